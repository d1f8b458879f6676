#include "TGameApplication.h"
#include "TGameForm.h"
#include "TGameLanguage.h"

// The program reads no command line, and of the environment only where the
// player's configuration and data folders are and which language he reads;
// it ends with 0 whatever happened.
int main(int argc, char** argv)
{
    TGameApplication app(argc, argv);
    try {
        const TGameLanguage language;
        TGameForm form(TGameForm::SettingsPlace(), TGameForm::HelpFileName(language.Name()),
                       TGameScoresFile::PlayerPath());
        form.show();
        form.activateWindow();
        QApplication::exec();
    } catch (...) {
        TGameApplication::ShowException(std::current_exception());
    }
    return 0;
}
