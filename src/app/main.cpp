#include "core/project/paths.h"
#include "ui/editor_windows.h"
#include "ui/tlogo.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    {
        vornik::TLOGO splash;
        splash.showForItsTime();
    }
    vornik::EditorWindows windows(vornik::InstallFolder());
    return QApplication::exec();
}
