// Cost of one reading: cmdNext_Click through the validation, the
// determination, ShowReading with its picture and the page swap, on the
// offscreen platform with the fake platform around the window.
#include "mainwindow/frmMain.h"
#include "platform/Forms.h"
#include "support/FakePlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace aurivane;

class BenchReading : public QObject {
    Q_OBJECT
private slots:
    // The work of the click alone; Qt paints the page later, from its
    // event loop.
    void reading() { measure(false); }
    // The same click followed by painting the window at once.
    void readingPainted() { measure(true); }

private:
    static void measure(bool paint) {
        FakePlatform platform;
        Forms forms{platform};
        auto* window = new frmMain(platform, forms, nullptr);
        window->show();
        window->txtName->setText(QStringLiteral("Ann"));
        window->cboYear->setCurrentIndex(85);
        int day = 0;
        QBENCHMARK {
            // A different date each time, so every reading changes the page.
            window->cboMonth->setCurrentIndex(day % 12);
            window->cboDate->setCurrentIndex(day % 28);
            ++day;
            window->cmdNext_Click();
            if (paint)
                window->repaint();
        }
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(!window->Reading().SunSign.isEmpty());
        delete window;
    }
};

QTEST_MAIN(BenchReading)
#include "bench_reading.moc"
