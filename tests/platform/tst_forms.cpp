#include "platform/Forms.h"
#include "platform/Steps.h"
#include "support/FakePlatform.h"

#include <QPointer>
#include <QTest>

#include <stdexcept>

using namespace aurivane;

namespace {

QStringList g_logged;

void recordMessage(QtMsgType, const QMessageLogContext& context, const QString& text) {
    g_logged << QString::fromLatin1(context.category) + u' ' + text;
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    // A failed step reaches the developer's log only when the category is on.
    void failedStepIsLoggedOnlyWhenAskedFor_data() {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QStringList>("logged");
        QTest::newRow("default") << QString() << QStringList();
        QTest::newRow("switched on")
            << QStringLiteral("aurivane.steps.info=true")
            << QStringList{QStringLiteral("aurivane.steps a step failed and was skipped: broken")};
    }
    void failedStepIsLoggedOnlyWhenAskedFor() {
        QFETCH(QString, rules);
        QFETCH(QStringList, logged);
        QLoggingCategory::setFilterRules(rules);
        g_logged.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
        const bool completed = RunStep([] { throw std::runtime_error("broken"); });
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(!completed);
        QCOMPARE(g_logged, logged);
    }

    void keepsLoadOrderForgetsDestroyedFormsAndEndsOnce() {
        FakePlatform platform;
        Forms forms(platform);
        QWidget a;
        QWidget b;
        auto* c = new QWidget;
        forms.loaded(&a, {});
        forms.loaded(c, {});
        forms.loaded(&b, {});
        forms.loaded(&a, {}); // loading twice changes nothing
        QCOMPARE(forms.loadedForms(), (QList<QWidget*>{&a, c, &b}));
        delete c;
        QCOMPARE(forms.loadedForms(), (QList<QWidget*>{&a, &b}));
        QWidget form; // after the process ends, nothing unloads
        int runs = 0;
        forms.loaded(
            &form, [&] { ++runs; }, false);
        forms.endProcess(0);
        forms.endProcess(3);
        QCOMPARE(platform.endedWith, QList<int>{0});
        QVERIFY(!forms.unload(&form));
        QCOMPARE(runs, 0);
    }

    // Unloading runs the form's handler once, then deletes the form; a
    // failing handler still unloads its form.
    void unloadRunsTheHandlerOnceThenDeletes() {
        FakePlatform platform;
        Forms forms(platform);
        QPointer<QWidget> form = new QWidget;
        form->show();
        int runs = 0;
        bool reentryRefused = false;
        forms.loaded(form, [&] {
            ++runs;
            QVERIFY(forms.isUnloading(form));
            // A handler that asks for its own unload again is refused.
            reentryRefused = !forms.unload(form);
        });
        QVERIFY(forms.unload(form));
        QVERIFY(reentryRefused);
        QVERIFY(!forms.isLoaded(form));
        QVERIFY(!forms.unload(form));
        QCOMPARE(runs, 1);
        QVERIFY(!form.isNull());
        QVERIFY(!form->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());

        // A handler that fails does not keep its form loaded.
        QWidget failing;
        forms.loaded(
            &failing, [] { throw std::runtime_error("handler failed"); }, false);
        QVERIFY(forms.unload(&failing));
        QVERIFY(!forms.isLoaded(&failing));
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
