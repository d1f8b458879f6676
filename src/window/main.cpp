#include "TGameApplication.h"
#include "TGameForm.h"

// The program reads no command line, and of the environment only where the
// player's configuration and data folders are; it ends with 0 whatever
// happened.
int main(int argc, char** argv)
{
    TGameApplication app(argc, argv);
    try {
        TGameForm form(TGameForm::SettingsPlace(), TGameForm::HelpFileName(),
                       TGameScoresFile::PlayerPath());
        form.show();
        form.activateWindow();
        QApplication::exec();
    } catch (...) {
        TGameApplication::ShowException(std::current_exception());
    }
    return 0;
}
