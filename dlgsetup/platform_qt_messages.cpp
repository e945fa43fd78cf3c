// Systems other than Windows: Qt message boxes and the program's own folder.
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include "dlgsetup/platform.h"

namespace ritmora::dlgsetup {

void SystemPlatform::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

std::string SystemPlatform::ProgramFolder() {
    return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace ritmora::dlgsetup
