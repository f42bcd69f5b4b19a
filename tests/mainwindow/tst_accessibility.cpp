// What a screen reader, a keyboard-only user, a reader on a dark or
// high-contrast desktop and a high-density screen get from the main window,
// the about box and the support screen. The whole suite runs at a scale
// factor of 2, so that the pictures must come from the double-size artwork
// while every layout size stays as it is at scale 1.

#include "formkit/FocusRing.h"
#include "formkit/FormLook.h"
#include "mainwindow/ChakraPictures.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/frmMain.h"
#include "outreach/ReferAFriendPanel.h"
#include "support/Fixtures.h"
#include "support/ScreenChecks.h"
#include "support/SupportScreenFixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>

using namespace aurivane;

namespace {

// The support screen showing its third text, with the program's icon.
struct SupportScreen : SupportScreenFixture {
    SupportScreen() : SupportScreenFixture({0.5F}, ChakraPictures::WindowIcon()) {}
};

struct MainWindow {
    FakePlatform platform;
    Forms forms{platform};
    QPointer<frmMain> window = new frmMain(platform, forms, nullptr);
    ~MainWindow() { delete window.data(); }
};

// The main window, shown and active, with a name typed.
struct NamedMainWindow : MainWindow {
    NamedMainWindow() {
        if (!ShowActive(window.data()))
            qFatal("the main window did not become active");
        QTest::keyClicks(window->txtName, QStringLiteral("Ann"));
    }
};

// Every form a test may look at; only the one it opens is shown.
struct Desk {
    MainWindow main;
    frmAbout about{main.platform, main.forms};
    SupportScreen support;
};

// Opens one form of the desk, shown and active; null if it did not become
// active.
using Opener = QWidget* (*)(Desk&);

} // namespace

// Declared before any row uses it, as every compiler wants.
Q_DECLARE_METATYPE(Opener)

namespace {

QWidget* Active(QWidget* window) {
    return ShowActive(window) ? window : nullptr;
}

// Page 2 after a reading for 1 January (the Root chakra, the reading with
// the longest texts, set smallest), when the reading comes to the front.
QWidget* ReadingPage2(frmMain* window, bool coBrandInFront) {
    if (!ShowActive(window))
        return nullptr;
    if (coBrandInFront)
        window->BringPromotionToFront(window->lblCobrand);
    window->txtName->setText(QStringLiteral("Ann"));
    QTest::keyClick(window->cmdNext, Qt::Key_Space);
    return window;
}

// Page 2's Tab stops: the page, its values down the page, Back, the
// promotion in front and the banner.
QStringList ReadingStops(const char* promotion) {
    QStringList stops{"fraStep(1)"};
    for (const int value : {0, 1, 2, 3, 8, 9, 10, 4, 5, 6, 7})
        stops << QStringLiteral("lblResult(%1)").arg(value);
    return stops << "cmdBack" << promotion << "Label14";
}

// Each form with its Tab stops in order, from the one that has the focus
// when the form opens.
struct FormStops {
    const char* form;
    Opener open;
    QStringList stops;
};
const QList<FormStops> EveryForm{
    {"reading page 1",
     [](Desk& desk) { return Active(desk.main.window); },
     {"txtName", "cboMonth", "cboDate", "cboYear", "cmdNext", "lblFullBrand", "Label14"}},
    {"reading page 2", [](Desk& desk) { return ReadingPage2(desk.main.window, false); },
     ReadingStops("lblFullBrand")},
    {"reading page 2, co-brand in front",
     [](Desk& desk) { return ReadingPage2(desk.main.window, true); }, ReadingStops("lblCobrand")},
    {"about box",
     [](Desk& desk) { return Active(&desk.about); },
     {"cmdOK", "lblHomePage", "lblCoBrand"}},
    {"support",
     [](Desk& desk) { return Active(desk.support.screen); },
     {"cmdClose", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail", "txtFriendName",
      "lblGoToHome", "Check1"}},
};

// A desktop's palette: every role of every group from a few colours.
QPalette DesktopPalette(QColor window, QColor text, QColor base, QColor highlight,
                        QColor highlightedText) {
    QPalette palette(text, window, window.lighter(130), window.darker(150), window.darker(120),
                     text, text, base, window);
    for (const auto role : {QPalette::ButtonText, QPalette::ToolTipText, QPalette::PlaceholderText})
        palette.setColor(role, text);
    for (const auto role : {QPalette::AlternateBase, QPalette::ToolTipBase})
        palette.setColor(role, base);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    return palette;
}

// The desktop's own palette, dark, and high contrast either way round.
QList<std::pair<const char*, QPalette>> Desktops() {
    return {
        {"light", QApplication::palette()},
        {"dark", DesktopPalette(QColor(53, 53, 53), QColor(238, 238, 236), QColor(45, 45, 45),
                                QColor(21, 83, 158), Qt::white)},
        {"black on white", DesktopPalette(Qt::white, Qt::black, Qt::white, Qt::black, Qt::white)},
        {"white on black",
         DesktopPalette(Qt::black, Qt::white, Qt::black, QColor(26, 235, 255), Qt::black)},
    };
}

// A row for each form, on every desktop or only on the desktop's own.
void AddFormRows(bool everyDesktop) {
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<QPalette>("desktop");
    const auto desktops = Desktops();
    for (const auto& [form, open, stops] : EveryForm)
        for (qsizetype d = 0; d < (everyDesktop ? desktops.size() : 1); ++d)
            QTest::addRow("%s, %s", form, desktops.at(d).first)
                << open << stops << desktops.at(d).second;
}

// The row's desktop palette, in use from before the forms are made until
// after they are gone.
struct RowDesktop {
    const QPalette before = QApplication::palette();
    RowDesktop() {
        QFETCH(QPalette, desktop);
        QApplication::setPalette(desktop);
    }
    ~RowDesktop() { QApplication::setPalette(before); }
    RowDesktop(const RowDesktop&) = delete;
    RowDesktop& operator=(const RowDesktop&) = delete;
};

// The row's form, shown and active on the row's desktop.
struct RowForm {
    RowDesktop desktop;
    Desk desk;
    QWidget* window = nullptr;
    RowForm() {
        QFETCH(Opener, open);
        window = open(desk);
        if (window == nullptr)
            qFatal("the form did not become active");
    }
};

// What Qt tells assistive technology while a screen reader listens, in order: each event, its
// object, the name it is told with and the focused control's description as it was then.
struct Told {
    QAccessible::Event type;
    QPointer<QObject> object;
    QString name;
    QString focusDescription;
};
class ScreenReader {
public:
    ScreenReader() {
        Heard().clear();
        // Qt tells assistive technology nothing until one is listening.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* told = event->accessibleInterface();
            // An entry of a list is told within the list it belongs to.
            QString name = told != nullptr ? told->text(QAccessible::Name) : QString();
            if (told != nullptr && told->object() == nullptr)
                name = told->parent()->text(QAccessible::Name) + QStringLiteral(" / ") + name;
            QWidget* now = QApplication::focusWidget();
            Heard().append(
                {event->type(), event->object(), name,
                 now != nullptr ? Accessible(now)->text(QAccessible::Description) : QString()});
        });
    }
    ~ScreenReader() { QAccessible::installUpdateHandler(nullptr); }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;
    static QList<Told>& Heard() {
        static QList<Told> told;
        return told;
    }
};

// After an action: the focus is on `focus`, in `window`, a dialog if so said; it was told under
// `name`, and nowhere on its way there, with `description` by then, and no caret moved in it before
// (a screen reader would then take the box for the focus, and the focus told after for a repeat).
void CheckFocusTold(QWidget* window, bool dialog, const char* focus, const char* name,
                    const char* description) {
    QCoreApplication::processEvents();
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused != nullptr && focused->window() == window);
    QCOMPARE(focused->objectName(), QString::fromLatin1(focus));
    QCOMPARE(Accessible(window)->role(), dialog ? QAccessible::Dialog : QAccessible::Window);
    const QList<Told>& events = ScreenReader::Heard();
    qsizetype told = -1;
    for (qsizetype i = 0; i < events.size(); ++i) {
        if (events.at(i).type == QAccessible::Focus) {
            QCOMPARE(events.at(i).name, QString::fromUtf8(name));
            told = i;
        }
    }
    QVERIFY2(told >= 0, "not told");
    QCOMPARE(events.at(told).focusDescription, QString::fromUtf8(description));
    for (const Told& before : events.first(told))
        QVERIFY2(before.object != focused || before.type != QAccessible::TextCaretMoved,
                 "the caret moved before the focus was told");
}

// Whether `window` shows the ring that marks the focus.
bool RingShown(const QWidget* window) {
    auto* ring = window->findChild<QFocusFrame*>(QStringLiteral("focusRing"));
    return ring != nullptr && ring->isVisible();
}

// Pixels compared in one format, whatever the files were decoded to.
QImage Normalised(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    // --- what a screen reader is told ------------------------------------

    // The reading takes the focus to its page, told by the page's name and
    // described by the reading's summary; so does a second one after Back.
    void readingToldWithItsSummary() {
        NamedMainWindow main;
        const ScreenReader reader;
        QTest::keyClick(main.window->cmdNext, Qt::Key_Space);
        CheckFocusTold(
            main.window, false, "fraStep(1)", "Astro Chakra Details",
            "Sun Sign: Capricorn. Ruling Planet: Saturn. Chakra Name: Root Chakra - Muladhara.");
        QTest::keyClick(main.window->cmdBack, Qt::Key_Space);
        QTest::keyClicks(main.window->txtName, QStringLiteral("Bo"));
        main.window->cboMonth->setCurrentIndex(5); // 1 June
        ScreenReader::Heard().clear();
        QTest::keyClick(main.window->cmdNext, Qt::Key_Space);
        CheckFocusTold(
            main.window, false, "fraStep(1)", "Astro Chakra Details",
            "Sun Sign: Gemini. Ruling Planet: Mercury. Chakra Name: Throat Chakra - Vishuddha.");
    }

    // Tab from the page reaches the first value, told with its caption.
    void valueToldWithItsCaption() {
        NamedMainWindow main;
        QTest::keyClick(main.window->cmdNext, Qt::Key_Space);
        const ScreenReader reader;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        CheckFocusTold(main.window, false, "lblResult(0)", "Sun Sign: Capricorn", "");
    }

    // The month chosen with the arrow key is told as focused, within the
    // list, and describes the list.
    void monthChosenByArrowTold() {
        NamedMainWindow main;
        QTest::keyClick(main.window->txtName, Qt::Key_Tab);
        const ScreenReader reader;
        QTest::keyClick(main.window->cboMonth, Qt::Key_Down);
        CheckFocusTold(main.window, false, "cboMonth", "Month of birth / February",
                       "Month of birth, February");
    }

    void backToldArrivingInTheNameBox() {
        NamedMainWindow main;
        QTest::keyClick(main.window->cmdNext, Qt::Key_Space);
        const ScreenReader reader;
        QTest::keyClick(main.window->cmdBack, Qt::Key_Space);
        CheckFocusTold(main.window, false, "txtName", "Name", "");
    }

    // The support screen opens as a dialog, which a screen reader reads out
    // (its text is in the table of every form's texts).
    void supportScreenToldAsADialog() {
        SupportScreen support;
        const ScreenReader reader;
        QVERIFY(support.showActive());
        CheckFocusTold(support.screen, true, "cmdClose", "Exit", "");
    }

    // A box showing its placeholder is told as the focus comes, before it
    // empties; keys typed at once, even after End, land in the emptied box.
    void placeholderBoxToldBeforeItEmpties() {
        SupportScreen support;
        ReferAFriendPanel* panel = support.panel();
        QVERIFY(support.showActive());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(panel->txtName->text(), QString());
        QTest::keyClick(panel->txtName, Qt::Key_Tab);
        QCOMPARE(panel->txtName->text(), QStringLiteral("Your Name"));
        const ScreenReader reader;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(panel->txtName, Qt::Key_End);
        QTest::keyClicks(panel->txtName, QStringLiteral("Bo"));
        CheckFocusTold(support.screen, true, "txtName", "Your Name", "");
        QCOMPARE(panel->txtName->text(), QStringLiteral("Bo"));
    }

    // Of the two promotions, the one in front is announced as showing and
    // the one it covers as hidden, also once the start has swapped them.
    void promotionInFrontAnnouncedAsShowing() {
        MainWindow main;
        frmMain& w = *main.window;
        QVERIFY(ShowActive(&w));
        const auto hidden = [](QWidget* label) { return Accessible(label)->state().invisible; };
        QVERIFY(!hidden(w.lblFullBrand) && hidden(w.lblCobrand));
        w.BringPromotionToFront(w.lblCobrand);
        QVERIFY(hidden(w.lblFullBrand) && !hidden(w.lblCobrand));
    }

    // Every control announced as showing is shown, and every one that takes
    // input is a Tab stop; the outline around the reading is left out.
    void announcedControlsShownAndInputsStops_data() { AddFormRows(false); }
    void announcedControlsShownAndInputsStops() {
        const RowForm form;
        QFETCH(QStringList, stops);
        const QList<QAccessible::Role> inputs{QAccessible::EditableText, QAccessible::ComboBox,
                                              QAccessible::PushButton, QAccessible::CheckBox,
                                              QAccessible::Link};
        QList<QAccessibleInterface*> tree{Accessible(form.window)};
        for (qsizetype i = 0; i < tree.size(); ++i) {
            QAccessibleInterface* node = tree.at(i);
            for (int c = 0; c < node->childCount(); ++c)
                tree.append(node->child(c));
            auto* widget = qobject_cast<QWidget*>(node->object());
            if (widget == nullptr || node->state().invisible)
                continue;
            QVERIFY2(widget->isVisible() && widget->objectName() != u"Shape1",
                     qPrintable(widget->objectName()));
            if (inputs.contains(node->role()))
                QVERIFY2(stops.contains(widget->objectName()), qPrintable(widget->objectName()));
        }
    }

    // --- keyboard and sight ----------------------------------------------

    // Tab and Shift+Tab walk each form's stops in order and round again,
    // and every stop is a control the user sees.
    void tabWalksEveryStopInOrder_data() { AddFormRows(false); }
    void tabWalksEveryStopInOrder() {
        const RowForm form;
        QFETCH(QStringList, stops);
        const auto walk = [&form, &stops](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QStringList order{SeenFocus(*form.window)};
            for (int i = 0; i < stops.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), key, modifiers);
                order.prepend(SeenFocus(*form.window));
            }
            return order;
        };
        QStringList round = stops + QStringList{stops.first()};
        QCOMPARE(walk(Qt::Key_Backtab, Qt::ShiftModifier), round);
        std::reverse(round.begin(), round.end());
        QCOMPARE(walk(Qt::Key_Tab, Qt::NoModifier), round);
    }

    // On the desktop's own palette, dark, or high contrast either way round,
    // every text of every form stands out from what lies behind it (WCAG's
    // 4.5 : 1).
    void textsStandOutOnEveryDesktop_data() { AddFormRows(true); }
    void textsStandOutOnEveryDesktop() {
        const RowForm form;
        const QList<DrawnText> texts = VisibleTexts(*form.window);
        QVERIFY(texts.size() >= 5);
        for (const DrawnText& text : texts)
            QVERIFY2(
                text.contrast >= 4.5,
                qPrintable(
                    QStringLiteral("%1: %2 : 1").arg(text.where).arg(text.contrast, 0, 'f', 2)));
    }

    // The focus shows plainly on every stop of every form, on every desktop.
    void focusShowsPlainlyOnEveryDesktop_data() { AddFormRows(true); }
    void focusShowsPlainlyOnEveryDesktop() {
        const RowForm form;
        QFETCH(QStringList, stops);
        for (const QString& name : stops) {
            const QString fault =
                FocusMarkFault(*form.window, *form.window->findChild<QWidget*>(name));
            QVERIFY2(fault.isEmpty(), qPrintable(name + QStringLiteral(": ") + fault));
        }
    }

    // The empty square of the support screen's check box is as light as the
    // white form around it on every desktop: a dark one reads as ticked.
    void uncheckedBoxLooksEmptyOnEveryDesktop_data() {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QPalette>("desktop");
        for (const auto& [name, palette] : Desktops())
            QTest::newRow(name) << EveryForm.last().open << palette;
    }
    void uncheckedBoxLooksEmptyOnEveryDesktop() {
        const RowForm form;
        QCheckBox* box = form.desk.support.screen->Check1;
        QVERIFY(!box->isChecked());
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect square = box->style()
                                 ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box)
                                 .adjusted(3, 3, -3, -3)
                                 .translated(box->mapTo(form.window, QPoint()));
        const QImage shot = Shot(*form.window);
        QVERIFY(ContrastWithin(shot, square) < 1.5); // one colour, no tick
        const qreal ratio = shot.devicePixelRatio();
        const QPoint middle = (QPointF(square.center()) * ratio).toPoint();
        const QPoint around =
            (QPointF(form.desk.support.screen->Label2->mapTo(form.window, QPoint())) * ratio)
                .toPoint() -
            QPoint(2, 2);
        QVERIFY2(Contrast(shot.pixel(middle), shot.pixel(around)) < 1.25,
                 qPrintable(QStringLiteral("the square is %1 on a form of %2")
                                .arg(QColor(shot.pixel(middle)).name(),
                                     QColor(shot.pixel(around)).name())));
    }

    // Qt's message boxes, which the platform shows, mark the focus as the
    // forms do.
    void messageBoxesShowTheFocus() {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Aurivane"),
                        QStringLiteral("Check for an update?"), QMessageBox::Yes | QMessageBox::No);
        QVERIFY(ShowActive(&box));
        for (const QMessageBox::StandardButton button : {QMessageBox::Yes, QMessageBox::No}) {
            const QString fault = FocusMarkFault(box, *box.button(button));
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

    // Only the active window shows a focus, so that it is plain where the
    // keys go.
    void onlyTheActiveWindowShowsTheFocus() {
        MainWindow main;
        QVERIFY(ShowActive(main.window.data()));
        main.window->txtName->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(RingShown(main.window));
        QMessageBox box(QMessageBox::Information, QStringLiteral("Aurivane"),
                        QStringLiteral("Check for an update?"), QMessageBox::Yes | QMessageBox::No);
        QVERIFY(ShowActive(&box));
        QTRY_VERIFY(!RingShown(main.window));
    }

    // An open drop-down list is marked by its highlight alone: no ring covers
    // its frame and its entries.
    void openListShowsNoRing() {
        MainWindow main;
        QVERIFY(ShowActive(main.window.data()));
        QComboBox* month = main.window->cboMonth;
        month->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(RingShown(main.window));
        month->showPopup();
        QTRY_VERIFY(month->view()->isVisible());
        QTest::qWait(50);
        QVERIFY(!RingShown(month->view()->window()));
    }

    // --- a screen of scale 2 -----------------------------------------------

    // Every picture keeps its size in layout pixels, showing the artwork drawn twice as large.
    void picturesComeFromTheDoubleSizeArtwork() {
        MainWindow main;
        frmMain& w = *main.window;
        w.txtName->setText(QStringLiteral("Ann"));
        w.cmdNext->click(); // 1 January: the Root chakra
        frmAbout about(main.platform, main.forms);
        QList<std::pair<QLabel*, QSize>> pictures{{w.picChakra, QSize(40, 40)},
                                                  {about.picIcon, QSize(32, 32)}};
        const int heights[] = {30, 35, 40, 40, 40, 40, 40};
        for (std::size_t k = 0; k < w.picDisp.size(); ++k)
            pictures.append({w.picDisp.at(k), QSize(40, heights[k])});
        for (const auto& [picture, size] : pictures) {
            QCOMPARE(picture->size(), size);
            QCOMPARE(picture->pixmap().devicePixelRatio(), 2.0);
            QCOMPARE(picture->pixmap().size(), size * 2);
        }
    }

    // The frame icon of every form at scale 2 holds the 64-pixel artwork, not
    // the 32-pixel one blown up, also painted as Qt paints the icon of the
    // title bar it draws itself.
    void frameIconIsSharpAtScaleTwo() {
        MainWindow main;
        frmAbout about(main.platform, main.forms);
        QImage sharp = Normalised(QPixmap(QStringLiteral(":/icons/aurivane-32@2x.png")));
        sharp.setDevicePixelRatio(2.0); // drawn for scale 2
        QCOMPARE(sharp.size(), QSize(64, 64));
        for (QWidget* form : std::initializer_list<QWidget*>{main.window, &about}) {
            QCOMPARE(Normalised(form->windowIcon().pixmap(QSize(32, 32), 2.0)), sharp);
            QPixmap painted(QSize(64, 64));
            painted.setDevicePixelRatio(2.0);
            painted.fill(Qt::transparent);
            {
                QPainter painter(&painted);
                form->windowIcon().paint(&painter, QRect(0, 0, 32, 32));
            }
            QCOMPARE(Normalised(painted), sharp);
        }
    }

    // The frame icon of every form offers the whole family from 16 to 128
    // pixels, each drawn for its size, for the title bars, task switchers
    // and taskbars of every desktop to pick from; a size in between is the
    // next larger picture shrunk smoothly.
    void frameIconOffersEveryDrawnSize() {
        MainWindow main;
        frmAbout about(main.platform, main.forms);
        for (QWidget* form : std::initializer_list<QWidget*>{main.window, &about}) {
            const QIcon icon = form->windowIcon();
            // What window frames are offered (X11 keeps every size it is given).
            QList<QSize> offered;
            for (const int size : {16, 20, 24, 32, 40, 48, 64, 128}) {
                offered << QSize(size, size);
                const QImage artwork =
                    Normalised(QPixmap(QStringLiteral(":/icons/aurivane-%1.png").arg(size)));
                QCOMPARE(artwork.size(), QSize(size, size));
                QCOMPARE(Normalised(icon.pixmap(QSize(size, size), 1.0)), artwork);
            }
            QCOMPARE(icon.availableSizes(), offered);
            const QPixmap larger(QStringLiteral(":/icons/aurivane-24.png"));
            QCOMPARE(
                Normalised(icon.pixmap(QSize(22, 22), 1.0)),
                Normalised(larger.scaled(22, 22, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        }
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING", "1"); // the "@2x" names mean nothing to Qt
    QApplication app(argc, argv);
    // The program's own style, as main() sets it (Fusion on every system).
    QApplication::setStyle(FormLook::MakeStyle());
    ShowFocusRingInEveryWindow();
    TestAccessibility test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
