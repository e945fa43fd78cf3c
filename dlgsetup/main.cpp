// dlgsetup: copies and registers the common-dialog component for Ezgimar, then ends.
// It takes no arguments and shows nothing but message boxes.
#include "dlgsetup/platform.h"
#include "dlgsetup/registration.h"

#ifdef _WIN32

// Win32 message boxes need no set-up.
int main() {
    ritmora::dlgsetup::SystemPlatform platform;
    ritmora::dlgsetup::RunRegistration(platform);
    return 0;
}

#else

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("dlgsetup");
    ritmora::dlgsetup::SystemPlatform platform;
    ritmora::dlgsetup::RunRegistration(platform);
    return 0;
}

#endif
