#include "TGameApplication.h"
#include "TGameForm.h"

// The program reads no command line and no environment for its own
// settings, and ends with 0 whatever happened.
int main(int argc, char** argv)
{
    TGameApplication app(argc, argv);
    try {
        TGameForm form(TGameForm::SettingsFileName(), TGameForm::HelpFileName());
        form.show();
        form.activateWindow();
        QApplication::exec();
    } catch (...) {
        TGameApplication::ShowException(std::current_exception());
    }
    return 0;
}
