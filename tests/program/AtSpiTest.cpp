// Against the real accessibility bus: what a screen reader hears when a pupil moves the focus
// by Tab and picks a label up. The program's windows run on X with Qt's AT-SPI bridge; this
// test listens on the bus as a screen reader does.
#include "KeyEvents.h"

#include "activities/ActivityWindow.h"
#include "activities/ActivityWindows.h"
#include "platform/Accessibility.h"
#include "platform/Fonts.h"
#include "shell/Glossary.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QDBusVariant>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

// Signals from the accessibility bus: the focus moving, and descriptions changing.
class BusListener : public QObject {
    Q_OBJECT
  public:
    explicit BusListener(QDBusConnection bus) : m_bus(std::move(bus)) {}

    QDBusConnection& bus() { return m_bus; }
    QStringList focusPaths;
    QString focusService;
    QStringList changedPaths;

  public slots:
    void stateChanged(const QDBusMessage& message) {
        const QList<QVariant> args = message.arguments();
        if (args.size() >= 2 && args[0].toString() == QLatin1String("focused") &&
            args[1].toInt() == 1) {
            focusPaths.append(message.path());
            focusService = message.service();
        }
    }
    void propertyChanged(const QDBusMessage& message) {
        const QList<QVariant> args = message.arguments();
        if (!args.isEmpty() && args[0].toString() == QLatin1String("accessible-description"))
            changedPaths.append(message.path());
    }

  private:
    QDBusConnection m_bus;
};

// A property of an accessible object of this very process, asked without blocking the bridge
// that answers it.
QString accessibleText(QDBusConnection& bus, const QString& service, const QString& path,
                       const QString& property) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QStringLiteral("org.a11y.atspi.Accessible") << property;
    QDBusPendingReply<QDBusVariant> reply = bus.asyncCall(call);
    if (!QTest::qWaitFor([&] { return reply.isFinished(); }, 5000)) return QString();
    return reply.isValid() ? reply.value().variant().toString() : QString();
}

class AtSpiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                QStringLiteral("org.a11y.Bus"), QDBusConnection::sessionBus());
        const QDBusMessage address = launcher.call(QStringLiteral("GetAddress"));
        if (address.type() != QDBusMessage::ReplyMessage)
            GTEST_SKIP() << "no accessibility bus: " << qPrintable(address.errorMessage());
        listener = std::make_unique<BusListener>(QDBusConnection::connectToBus(
            address.arguments().value(0).toString(), QStringLiteral("listener")));
        QDBusConnection& bus = listener->bus();
        ASSERT_TRUE(bus.isConnected());
        const QString object = QStringLiteral("org.a11y.atspi.Event.Object");
        bus.connect(QString(), QString(), object, QStringLiteral("StateChanged"), listener.get(),
                    SLOT(stateChanged(QDBusMessage)));
        bus.connect(QString(), QString(), object, QStringLiteral("PropertyChange"), listener.get(),
                    SLOT(propertyChanged(QDBusMessage)));
        // Tell the registry what a screen reader listens to; the bridge then sends it.
        QDBusInterface registry(QStringLiteral("org.a11y.atspi.Registry"),
                                QStringLiteral("/org/a11y/atspi/registry"),
                                QStringLiteral("org.a11y.atspi.Registry"), bus);
        for (const char* event : {"object:state-changed:focused", "object:property-change"})
            registry.call(QStringLiteral("RegisterEvent"), QString::fromLatin1(event));
        registerActivityWindows(t.app());
    }

    TestApp t;
    std::unique_ptr<BusListener> listener;
};

TEST_F(AtSpiTest, AScreenReaderHearsTheFocusAndThePickUp) {
    auto& w =
        dynamic_cast<ActivityWindow&>(t.windows().touch(QString::fromLatin1(win::WordsLabelling)));
    w.showWindow();
    Window& shown = activeWindow(t.windows(), win::WordsLabelling);
    // The bridge learns of the listeners from the registry a moment later.
    QTest::qWait(500);
    // The keys themselves are tested on every screen elsewhere; here the focus is moved as
    // Tab moves it, and the pick-up is by key.
    shown.markKeyboardInUse();
    w.draggableLabels()[1].setFocus(Qt::TabFocusReason);
    ASSERT_EQ(focused(), &w.draggableLabels()[1]);
    const QString caption = w.draggableLabels()[1].caption();
    key(shown, Qt::Key_Return);
    // The bridge sends its signals a moment later. Screen readers do not speak a description
    // changed under Qt 6.4, so the pick-up must reach them as a focus on an item named for it,
    // and the label keeps the keyboard focus.
    const QString said = QStringLiteral("Picked up ") + caption;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !listener->focusPaths.isEmpty() &&
                   accessibleText(listener->bus(), listener->focusService,
                                  listener->focusPaths.last(), QStringLiteral("Name")) == said;
        },
        5000))
        << "no focus on the pick-up reached the accessibility bus";
    EXPECT_EQ(focused(), &w.draggableLabels()[1]);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fonts::registerFaces();
    installAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "AtSpiTest.moc"
