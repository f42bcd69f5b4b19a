#pragma once

#include "outreach/ReferAFriendPanel.h"
#include "outreach/frmNagScreen2.h"
#include "platform/Forms.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/Fixtures.h"

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QWidget>

// A support screen as the program shows it: after a hidden first form
// whose unload handler, like the start-up form's, ends the program. `draws`
// are the random draws the screen picks its text with.
struct SupportScreenFixture {
    aurivane::FakePlatform platform;
    aurivane::Forms forms{platform};
    QWidget startup;
    QPointer<aurivane::frmNagScreen2> screen;

    SupportScreenFixture(QList<float> draws, const QIcon& icon) {
        platform.draws = std::move(draws);
        forms.loaded(
            &startup, [this] { aurivane::modHelp::ExitApplication(forms); }, false);
        screen = new aurivane::frmNagScreen2(platform, forms, icon);
    }
    ~SupportScreenFixture() { delete screen.data(); }
    SupportScreenFixture(const SupportScreenFixture&) = delete;
    SupportScreenFixture& operator=(const SupportScreenFixture&) = delete;

    bool showActive() { return ShowActive(screen.data()); }
    aurivane::ReferAFriendPanel* panel() const { return screen->Frame2; }
};
