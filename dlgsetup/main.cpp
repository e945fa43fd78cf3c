// dlgsetup: copies and registers the common-dialog component for Ezgimar, then ends.
// It takes no arguments and shows nothing but message boxes.
#include <QApplication>

#include "dlgsetup/platform.h"
#include "dlgsetup/registration.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("dlgsetup");
    ritmora::dlgsetup::SystemPlatform platform;
    ritmora::dlgsetup::RunRegistration(platform);
    return 0;
}
