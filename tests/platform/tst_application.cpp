#include "ScriptedModals.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"

#include <QTimer>
#include <QtTest>

namespace {

// A handler that fails the way an unchecked conversion does.
class FailingObject : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw platform::EConvertError(QStringLiteral("'x' ist kein gültiger Integerwert"));
        return QObject::event(e);
    }
};

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void errorInHandlerReachesTheErrorBox() {
        ScriptedModals modals;
        FailingObject target;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&target, &event);
        QCOMPARE(modals.shown().size(), 1);
        QCOMPARE(modals.shown().first().kind, ShownBox::Kind::Error);
        QCOMPARE(modals.shown().first().text, QStringLiteral("'x' ist kein gültiger Integerwert"));
    }

    void processMessagesRunsPendingWork() {
        bool ran = false;
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        platform::ProcessMessages();
        QVERIFY(ran);
    }
};

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
