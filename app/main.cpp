// ritmora: the usul editor and player.
#include <QApplication>

#include "app/data_folder.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ritmora"));
    ritmora::ArayüzKalıp window(ritmora::ResolveDataFolder(ritmora::ProgramFolder()));
    if (!window.StartedOk()) return 1;
    window.show();
    return QApplication::exec();
}
