#include "platform/Application.h"
#include "platform/QtModals.h"

#include <QWidget>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::QtModals modals;
    platform::setModals(&modals);
    QWidget window;
    window.setGeometry(400, 300, 450, 300);
    window.show();
    return app.exec();
}
