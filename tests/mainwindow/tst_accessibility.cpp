// What a screen reader, a keyboard-only user, a reader on a dark or
// high-contrast desktop and a high-density screen get from the main window,
// the about box and the support screen. The whole suite runs at a scale
// factor of 2, so that the pictures must come from the double-size artwork
// while every layout size stays as it is at scale 1.

#include "engine/ChakraCatalogue.h"
#include "formkit/FocusRing.h"
#include "formkit/FormLook.h"
#include "mainwindow/ChakraPictures.h"
#include "mainwindow/frmAbout.h"
#include "mainwindow/frmMain.h"
#include "outreach/ReferAFriendPanel.h"
#include "outreach/frmNagScreen2.h"
#include "platform/Forms.h"
#include "resources.h"
#include "support/Fixtures.h"
#include "support/SupportScreenFixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleOption>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace aurivane;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (accessible == nullptr)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return accessible;
}

// Pixels compared in one format, whatever the files were decoded to.
QImage Normalised(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage DoubleSizeArtwork(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    return Normalised(QPixmap(path.left(dot) + QStringLiteral("@2x") + path.mid(dot)));
}

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

// Page 2's Tab stops: the page, its values down the page, Back, the
// promotion in front and the banner.
QStringList ReadingStops(const char* promotion) {
    QStringList stops{"fraStep(1)"};
    for (const int value : {0, 1, 2, 3, 8, 9, 10, 4, 5, 6, 7})
        stops << QStringLiteral("lblResult(%1)").arg(value);
    return stops << "cmdBack" << promotion << "Label14";
}

// Each form's Tab stops in order, from the one that has the focus when the
// form opens (page 2: when the reading comes to the front).
const QList<std::pair<QString, QStringList>> TabStops{
    {"reading page 1",
     {"txtName", "cboMonth", "cboDate", "cboYear", "cmdNext", "lblFullBrand", "Label14"}},
    {"reading page 2", ReadingStops("lblFullBrand")},
    {"reading page 2, co-brand in front", ReadingStops("lblCobrand")},
    {"about box", {"cmdOK", "lblHomePage", "lblCoBrand"}},
    {"support",
     {"cmdClose", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail", "txtFriendName",
      "lblGoToHome", "Check1"}},
};

// One of the forms, shown and active; page 2 after a reading for 1 January (the Root chakra,
// the reading with the longest texts, set smallest), the co-brand promotion raised if named.
struct ShownForm {
    MainWindow main;
    std::unique_ptr<frmAbout> about;
    std::unique_ptr<SupportScreen> support;
    QWidget* window = main.window;

    explicit ShownForm(const QString& form) {
        if (form == u"about box") {
            about = std::make_unique<frmAbout>(main.platform, main.forms);
            window = about.get();
        } else if (form == u"support") {
            support = std::make_unique<SupportScreen>();
            window = support->screen;
        }
        if (!ShowActive(window))
            qFatal("%s did not become active", qPrintable(form));
        if (form.startsWith(u"reading page 2")) {
            if (form.endsWith(u"co-brand in front"))
                main.window->lblCobrand->raise();
            main.window->txtName->setText(QStringLiteral("Ann"));
            QTest::keyClick(main.window->cmdNext, Qt::Key_Space);
        }
    }
};

// Which control has the focus, and whether the user can see it: shown,
// inside the window and not covered by anything.
QString SeenFocus(QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr)
        return QStringLiteral("nothing");
    const QRect onWindow(focus->mapTo(&window, QPoint(0, 0)), focus->size());
    QWidget* top = window.childAt(onWindow.center());
    const bool seen =
        window.rect().contains(onWindow) && (top == focus || focus->isAncestorOf(top));
    return focus->objectName() + (seen ? QString() : QStringLiteral(" (unseen)"));
}

// --- contrast ------------------------------------------------------------------

// A desktop's palette: every role of every group from a few colours.
QPalette DesktopPalette(QColor window, QColor text, QColor base, QColor button, QColor highlight,
                        QColor highlightedText) {
    QPalette palette(text, button, button.lighter(130), button.darker(150), button.darker(120),
                     text, text, base, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::AlternateBase, base);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, text);
    return palette;
}

// Relative luminance and contrast ratio as WCAG 2 defines them.
double Luminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where a control draws its own text, in its coordinates; empty for one
// without text.
QRect TextArea(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    QStyle* style = widget->style();
    const auto within = [&metrics](const QRect& room, int flags, const QString& text) {
        return text.isEmpty() ? QRect() : metrics.boundingRect(room, flags, text) & room;
    };
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (!label->pixmap().isNull())
            return {};
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return within(label->contentsRect(), flags, label->text());
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        return within(room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->text());
    }
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return within(button->rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextShowMnemonic,
                      button->text());
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        if (frame->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.lineWidth = 1;
        return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return within(line->rect().adjusted(4, 3, -4, -3), Qt::AlignLeft | Qt::AlignVCenter,
                      line->text());
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.currentText = list->currentText();
        option.frame = true;
        option.editable = false;
        const QRect room =
            style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        return within(room, Qt::AlignLeft | Qt::AlignVCenter, list->currentText());
    }
    return {};
}

// One text as drawn: where it lies on the form and its contrast with what
// lies behind it, measured on the rendered pixels: the commonest colour of
// its box is the background, the pixel standing out most from it the text.
struct DrawnText {
    QString where;
    double contrast;
};

// The device pixels of `shot` under `area` (in layout pixels).
QRect DevicePixels(const QImage& shot, const QRectF& area) {
    const qreal ratio = shot.devicePixelRatio();
    return QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect() & shot.rect();
}

DrawnText Measure(const QImage& form, const QRect& area, const QString& where) {
    const QRect pixels = DevicePixels(form, area);
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ++counts[form.pixel(x, y) | 0xff000000];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    double contrast = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        contrast = std::max(contrast, Contrast(it.key(), background));
    return {where, contrast};
}

// How plainly `stop` shows its focus: its pixels 3 : 1 against themselves
// unfocused, up to 8 pixels (scaled) out from it, over the area of a 2-pixel
// line around it; 1 or more is plain enough. `outside` counts only those 2
// pixels or more out: what hugs the control's edge, against a control of the
// same colour, looks only like a larger control. `apart` is the share of the
// control's edge that some pixel of the mark, up to 4 pixels out, stands
// 3 : 1 from; `covered` counts the control's own pixels the mark draws over.
struct FocusMark {
    double all = 0;
    double outside = 0;
    double apart = 0;
    int covered = 0;
};
FocusMark FocusShown(QWidget& window, QWidget& stop) {
    const auto shot = [&window] {
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    stop.setFocus(Qt::TabFocusReason);
    const QImage focused = shot();
    // The same focus without the mark around it: what the control draws.
    if (auto* ring =
            window.findChild<QFocusFrame*>(QStringLiteral("focusRing"), Qt::FindDirectChildrenOnly))
        ring->hide();
    const QImage bare = shot();
    stop.clearFocus();
    const QImage unfocused = shot();
    const qreal ratio = focused.devicePixelRatio();
    const QRectF place(stop.mapTo(&window, QPoint()), stop.size());
    const QRect pixels = DevicePixels(focused, place.adjusted(-8, -8, 8, 8));
    const QRect hugging = DevicePixels(focused, place.adjusted(-2, -2, 2, 2));
    const QRect own = DevicePixels(focused, place);
    // At the window's edge the mark comes inside the control, to stay whole.
    const bool room = QRectF(window.rect()).contains(place.adjusted(-4, -4, 4, 4));
    FocusMark changed;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (Contrast(focused.pixel(x, y), unfocused.pixel(x, y)) >= 3.0) {
                ++changed.all;
                changed.outside += hugging.contains(x, y) ? 0 : 1;
            }
            if (room && own.contains(x, y) && focused.pixel(x, y) != bare.pixel(x, y))
                ++changed.covered;
        }
    // Each pixel of the control's edge, and the mark outward from it.
    int edge = 0;
    const int reach = qRound(4 * ratio);
    const auto standsApart = [&](QPoint at, QPoint outward) {
        ++edge;
        for (int step = 1; step <= reach; ++step) {
            const QPoint out = at + step * outward;
            if (focused.rect().contains(out) &&
                Contrast(focused.pixel(out), focused.pixel(at)) >= 3.0)
                return 1;
        }
        return 0;
    };
    for (int x = own.left(); x <= own.right(); ++x)
        changed.apart +=
            standsApart({x, own.top()}, {0, -1}) + standsApart({x, own.bottom()}, {0, 1});
    for (int y = own.top(); y <= own.bottom(); ++y)
        changed.apart +=
            standsApart({own.left(), y}, {-1, 0}) + standsApart({own.right(), y}, {1, 0});
    const double line = 2 * 2.0 * (stop.width() + stop.height()) * ratio * ratio;
    return {changed.all / line, changed.outside / line, changed.apart / edge, changed.covered};
}

// Every text a user sees on `form`: the controls' own texts where nothing
// covers them, and the menu bar's enabled entries.
QList<DrawnText> VisibleTexts(QWidget& form) {
    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QList<DrawnText> texts;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&form))
            continue;
        if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* entry : bar->actions()) {
                if (!entry->isVisible() || !entry->isEnabled())
                    continue;
                const QRect room = bar->actionGeometry(entry).adjusted(2, 2, -2, -2);
                const QRect text =
                    QFontMetrics(bar->font())
                        .boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, entry->text()) &
                    room;
                texts << Measure(shot, text.translated(bar->mapTo(&form, QPoint())), entry->text());
            }
            continue;
        }
        const QRect area = TextArea(widget);
        if (area.isEmpty())
            continue;
        const QRect onForm = area.translated(widget->mapTo(&form, QPoint()));
        QWidget* seen = form.childAt(onForm.center());
        if (seen != widget && !widget->isAncestorOf(seen))
            continue; // covered, or outside its container's visible part
        texts << Measure(shot, onForm, widget->objectName());
    }
    return texts;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    // What assistive technology is told, action by action: the control the
    // focus lands on is announced before its text changes (or, in a list,
    // the entry chosen), with its name, the focused control's description
    // and its window.
    void everyActionIsAnnounced_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QAccessible::Role>("windowRole");
        QTest::addColumn<QString>("windowDescription");
        // On the support screen, showing its third text, the window is a
        // dialog that reads that text out.
        const auto row = [](const char* action, const char* focus, const char* name,
                            const char* description, bool support = false) {
            QTest::newRow(action) << QString::fromUtf8(action) << QString::fromUtf8(focus)
                                  << QString::fromUtf8(name) << QString::fromUtf8(description)
                                  << (support ? QAccessible::Dialog : QAccessible::Window)
                                  << (support ? SupportMessages.at(2) : QString());
        };
        // 1 January 1900, untouched but for the name.
        row("reading", "fraStep(1)", "Astro Chakra Details",
            "Sun Sign: Capricorn. Ruling Planet: Saturn. Chakra Name: Root Chakra - Muladhara.");
        row("next value", "lblResult(0)", "Sun Sign: Capricorn", "");
        // The entry now chosen is told as focused, within the list.
        row("month Down", "cboMonth", "Month of birth / February", "Month of birth, February");
        row("Back", "txtName", "Name", "");
        row("support screen opened", "cmdClose", "Exit", "", true);
        row("placeholder box re-entered", "txtName", "Your Name", "", true);
    }
    void everyActionIsAnnounced() {
        QFETCH(QString, action);
        QFETCH(QString, focus);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QAccessible::Role, windowRole);
        QFETCH(QString, windowDescription);

        MainWindow main;
        SupportScreen support;
        frmMain& w = *main.window;
        const bool onSupport = windowRole == QAccessible::Dialog;
        QWidget* window = onSupport ? static_cast<QWidget*>(support.screen) : main.window;
        if (!onSupport) {
            QVERIFY(ShowActive(&w));
            QTest::keyClicks(w.txtName, QStringLiteral("Ann"));
        }
        ReferAFriendPanel* panel = support.screen->Frame2;
        if (action == u"placeholder box re-entered") {
            QVERIFY(ShowActive(support.screen.data()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(panel->txtName->text(), QString());
            QTest::keyClick(panel->txtName, Qt::Key_Tab);
            QCOMPARE(panel->txtName->text(), QStringLiteral("Your Name"));
        }
        if (action == u"next value" || action == u"Back")
            QTest::keyClick(w.cmdNext, Qt::Key_Space);
        if (action == u"month Down")
            QTest::keyClick(w.txtName, Qt::Key_Tab);

        // What is told from here on, in order: the event, its object and
        // the name it is told with.
        struct Told {
            QAccessible::Event type;
            QPointer<QObject> object;
            QString name;
            QString focusDescription; // the focused control's, as it was then
        };
        static QList<Told> events;
        events.clear();
        // Qt tells assistive technology nothing until one is listening.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* told = event->accessibleInterface();
            // An entry of a list is told within the list it belongs to.
            QString heard = told != nullptr ? told->text(QAccessible::Name) : QString();
            if (told != nullptr && told->object() == nullptr)
                heard = told->parent()->text(QAccessible::Name) + QStringLiteral(" / ") + heard;
            QWidget* now = QApplication::focusWidget();
            events.append(
                {event->type(), event->object(), heard,
                 now != nullptr ? Accessible(now)->text(QAccessible::Description) : QString()});
        });
        const auto restore = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });

        if (action == u"reading")
            QTest::keyClick(w.cmdNext, Qt::Key_Space);
        else if (action == u"next value")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        else if (action == u"month Down")
            QTest::keyClick(w.cboMonth, Qt::Key_Down);
        else if (action == u"Back")
            QTest::keyClick(w.cmdBack, Qt::Key_Space);
        else if (action == u"support screen opened")
            QVERIFY(ShowActive(support.screen.data()));
        else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QTest::keyClicks(panel->txtName, QStringLiteral("Bo"));
        }
        QCoreApplication::processEvents();

        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused != nullptr && focused->window() == window);
        QCOMPARE(focused->objectName(), focus);
        // The focus is told where it lands and nowhere on its way there,
        // with the description it has by then.
        qsizetype announced = -1;
        for (qsizetype i = 0; i < events.size(); ++i) {
            if (events.at(i).type == QAccessible::Focus) {
                QCOMPARE(events.at(i).name, name);
                announced = i;
            }
        }
        QVERIFY2(announced >= 0, "not told");
        QCOMPARE(events.at(announced).focusDescription, description);
        // A screen reader that meets the caret moving in a box that has the
        // focus by then takes the box for the focus, and the focus that
        // follows for a repeat.
        for (qsizetype i = 0; i < announced; ++i)
            QVERIFY2(events.at(i).object != focused ||
                         events.at(i).type != QAccessible::TextCaretMoved,
                     "the caret moved before the focus was told");

        QAccessibleInterface* frame = Accessible(window);
        QCOMPARE(frame->role(), windowRole);
        QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Aurivane v1.20"));
        QCOMPARE(frame->text(QAccessible::Description), windowDescription);
        // Keys typed at once land in the emptied box.
        if (action == u"placeholder box re-entered")
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
        w.lblCobrand->raise();
        QVERIFY(hidden(w.lblFullBrand) && !hidden(w.lblCobrand));
    }

    // On the desktop's own palette, dark, or high contrast either way round,
    // every text of every form stands out from what lies behind it (WCAG's
    // 4.5 : 1), the support screen's unticked check box looks empty, Tab and
    // Shift+Tab walk each form's stops in order and round again, every stop
    // is a control the user sees, nothing else that takes input is announced
    // as showing, and the focus shows plainly on every stop.
    void everyFormReadableAndWalkableOnEveryDesktop_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QPalette>("desktop");
        QTest::addColumn<QStringList>("stops");
        const QList<std::pair<const char*, QPalette>> desktops{
            {"light", QApplication::palette()},
            {"dark", DesktopPalette(QColor(53, 53, 53), QColor(238, 238, 236), QColor(45, 45, 45),
                                    QColor(53, 53, 53), QColor(21, 83, 158), Qt::white)},
            {"black on white",
             DesktopPalette(Qt::white, Qt::black, Qt::white, Qt::white, Qt::black, Qt::white)},
            {"white on black", DesktopPalette(Qt::black, Qt::white, Qt::black, Qt::black,
                                              QColor(26, 235, 255), Qt::black)},
        };
        for (const auto& [form, stops] : TabStops)
            for (const auto& [name, palette] : desktops)
                QTest::addRow("%s, %s", qPrintable(form), name) << form << palette << stops;
    }
    void everyFormReadableAndWalkableOnEveryDesktop() {
        QFETCH(QString, form);
        QFETCH(QPalette, desktop);
        QFETCH(QStringList, stops);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(desktop);
        const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });

        ShownForm seen(form);
        QWidget* shown = seen.window;

        const QList<DrawnText> texts = VisibleTexts(*shown);
        QVERIFY(texts.size() >= 5);
        for (const DrawnText& text : texts)
            QVERIFY2(
                text.contrast >= 4.5,
                qPrintable(
                    QStringLiteral("%1: %2 : 1").arg(text.where).arg(text.contrast, 0, 'f', 2)));

        if (seen.support) {
            // The empty square of the check box is as light as the white
            // form around it: a dark one reads as ticked.
            QCheckBox* box = seen.support->screen->Check1;
            QVERIFY(!box->isChecked());
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect square = box->style()
                                     ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box)
                                     .adjusted(3, 3, -3, -3)
                                     .translated(box->mapTo(shown, QPoint()));
            const QImage shot = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const DrawnText inside = Measure(shot, square, QStringLiteral("Check1's square"));
            QVERIFY(inside.contrast < 1.5); // one colour, no tick
            const qreal ratio = shot.devicePixelRatio();
            const QPoint middle = (QPointF(square.center()) * ratio).toPoint();
            const QPoint around =
                (QPointF(seen.support->screen->Label2->mapTo(shown, QPoint(0, 0))) * ratio)
                    .toPoint() -
                QPoint(2, 2);
            QVERIFY2(Contrast(shot.pixel(middle), shot.pixel(around)) < 1.25,
                     qPrintable(QStringLiteral("the square is %1 on a form of %2")
                                    .arg(QColor(shot.pixel(middle)).name(),
                                         QColor(shot.pixel(around)).name())));
        }

        const auto walk = [shown, &stops](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QStringList order{SeenFocus(*shown)};
            for (int i = 0; i < stops.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), key, modifiers);
                order.prepend(SeenFocus(*shown));
            }
            return order;
        };
        QStringList round = stops + QStringList{stops.first()};
        QCOMPARE(walk(Qt::Key_Backtab, Qt::ShiftModifier), round);
        std::reverse(round.begin(), round.end());
        QCOMPARE(walk(Qt::Key_Tab, Qt::NoModifier), round);

        // What assistive technology meets: every control announced as showing
        // is shown, every one that takes input is a stop, and the outline
        // around the reading is left out.
        const QList<QAccessible::Role> inputs{QAccessible::EditableText, QAccessible::ComboBox,
                                              QAccessible::PushButton, QAccessible::CheckBox,
                                              QAccessible::Link};
        QList<QAccessibleInterface*> tree{Accessible(shown)};
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

        for (const QString& name : stops) {
            const FocusMark plain = FocusShown(*shown, *shown->findChild<QWidget*>(name));
            QVERIFY2(plain.all >= 1.0 && plain.outside >= 0.5 && plain.apart >= 0.95 &&
                         plain.covered == 0,
                     qPrintable(QStringLiteral("%1: %2, %3, %4, %5")
                                    .arg(name)
                                    .arg(plain.all)
                                    .arg(plain.outside)
                                    .arg(plain.apart)
                                    .arg(plain.covered)));
        }
    }

    // Qt's message boxes, which the platform shows, mark the focus as the
    // forms do; and only the active window shows a focus, so that it is
    // plain where the keys go. An open drop-down list is marked by its
    // highlight alone: no ring covers its frame and its entries.
    void messageBoxesShowTheFocus() {
        ShownForm behind(QStringLiteral("reading page 1"));
        QWidget* name = behind.window->findChild<QWidget*>(QStringLiteral("txtName"));
        name->setFocus(Qt::TabFocusReason);
        const auto ringShown = [](const QWidget* window) {
            auto* ring = window->findChild<QFocusFrame*>(QStringLiteral("focusRing"));
            return ring != nullptr && ring->isVisible();
        };
        QTRY_VERIFY(ringShown(behind.window));
        auto* month = behind.window->findChild<QComboBox*>(QStringLiteral("cboMonth"));
        month->showPopup();
        QTRY_VERIFY(month->view()->isVisible());
        QTest::qWait(50);
        QVERIFY(!ringShown(month->view()->window()));
        month->hidePopup();
        QMessageBox box(QMessageBox::Information, QStringLiteral("Aurivane"),
                        QStringLiteral("Check for an update?"), QMessageBox::Yes | QMessageBox::No);
        QVERIFY(ShowActive(&box));
        QTRY_VERIFY(!ringShown(behind.window));
        for (const QMessageBox::StandardButton button : {QMessageBox::Yes, QMessageBox::No})
            QVERIFY(FocusShown(box, *box.button(button)).all >= 1.0);
        // Shown again, as after being minimized, a window keeps its one ring.
        box.hide();
        QVERIFY(ShowActive(&box));
        QCOMPARE(box.findChildren<QFocusFrame*>(QStringLiteral("focusRing")).size(), 1);
    }

    void picturesComeFromTheDoubleSizeArtworkAtScaleTwo() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        MainWindow main;
        frmMain& w = *main.window;
        for (std::size_t k = 0; k < w.picDisp.size(); ++k) {
            const QPixmap shown = w.picDisp.at(k)->pixmap();
            const QSize layoutSize = ChakraPictures::Picture(static_cast<int>(k)).size();
            QCOMPARE(shown.devicePixelRatio(), 2.0);
            QCOMPARE(shown.deviceIndependentSize().toSize(), layoutSize);
            QCOMPARE(w.picDisp.at(k)->size(), layoutSize);
            QCOMPARE(shown.size(), layoutSize * 2);
        }

        w.txtName->setText(QStringLiteral("Ann"));
        w.cmdNext->click();
        const QSize chakraSize = ChakraPictures::Picture(w.Reading().ChakraIndex).size();
        QCOMPARE(w.picChakra->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(w.picChakra->size(), chakraSize);

        frmAbout about(main.platform, main.forms);
        QCOMPARE(about.picIcon->size(), QSize(32, 32));
        QCOMPARE(about.picIcon->pixmap().devicePixelRatio(), 2.0);

        // The frame icon of every form holds the 64-pixel artwork, not the
        // 32-pixel one blown up; and the whole family from 16 to 256 pixels,
        // each drawn for its size, for the title bars, task switchers and
        // taskbars of every desktop to pick from.
        const QImage sharpIcon = DoubleSizeArtwork(Resources::ApplicationIconPath());
        QCOMPARE(sharpIcon.size(), QSize(64, 64));
        for (QWidget* form : std::initializer_list<QWidget*>{&w, &about}) {
            const QPixmap drawn = form->windowIcon().pixmap(QSize(32, 32), 2.0);
            QCOMPARE(Normalised(drawn), sharpIcon);
            // Painted, as Qt paints the icon of the title bar it draws itself.
            QPixmap painted(QSize(64, 64));
            painted.setDevicePixelRatio(2.0);
            painted.fill(Qt::transparent);
            {
                QPainter painter(&painted);
                form->windowIcon().paint(&painter, QRect(0, 0, 32, 32));
            }
            QCOMPARE(Normalised(painted), sharpIcon);
            // What window frames are offered (X11 keeps every size it is given).
            QList<QSize> offered;
            for (const int size : {16, 20, 24, 32, 40, 48, 64, 128})
                offered << QSize(size, size);
            QCOMPARE(form->windowIcon().availableSizes(), offered);
            for (const int size : {16, 20, 24, 32, 40, 48, 64, 128, 256}) {
                const QImage artwork =
                    Normalised(QPixmap(QStringLiteral(":/icons/aurivane-%1.png").arg(size)));
                QCOMPARE(artwork.size(), QSize(size, size));
                QCOMPARE(Normalised(form->windowIcon().pixmap(QSize(size, size), 1.0)), artwork);
            }
            // A size in between is the next larger picture shrunk smoothly.
            const QPixmap larger(QStringLiteral(":/icons/aurivane-24.png"));
            QCOMPARE(
                Normalised(form->windowIcon().pixmap(QSize(22, 22), 1.0)),
                Normalised(larger.scaled(22, 22, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        }
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    // The program's own style, as main() sets it (Fusion on every system).
    QApplication::setStyle(FormLook::MakeStyle());
    ShowFocusRingInEveryWindow();
    TestAccessibility test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
