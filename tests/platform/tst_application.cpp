#include "ScriptedModals.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"

#include <QTimer>
#include <QtTest>
#include <stdexcept>

namespace {

// A handler that fails the way an unchecked conversion does.
class FailingObject : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw platform::EConvertError(QStringLiteral("'x' ist kein gültiger Integerwert"));
        if (e->type() == QEvent::User + 1)
            throw 42; // no exception class at all
        if (e->type() == QEvent::User + 2)
            throw std::runtime_error("kaputt");
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

    void anythingThrownReachesTheErrorBox() {
        ScriptedModals modals;
        FailingObject target;
        for (int kind : {1, 2}) {
            QEvent event(QEvent::Type(QEvent::User + kind));
            QCoreApplication::sendEvent(&target, &event);
        }
        QCOMPARE(modals.texts(),
                 (QStringList{platform::unknownExceptionMessage(), QStringLiteral("kaputt")}));
        for (const ShownBox& box : modals.shown())
            QCOMPARE(box.kind, ShownBox::Kind::Error);
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
