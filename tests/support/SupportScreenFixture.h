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
#include <QStringList>
#include <QWidget>

// The support screen's four texts, of which a random draw picks one.
inline const QStringList SupportMessages{
    "Quillmoor Softwares, such as this can be created and maintained only with your "
    "support. The best way to support Quillmoor is to visit Quillmoor regularly and take "
    "part in the discussions and other activities on the board.",
    "Visit Quillmoor regularly. Support Quillmoor by taking part in the discussions and "
    "other activities. These softwares cannot be supported and maintained, without you "
    "regularly visiting Quillmoor",
    "Quillmoor is a FREE online discussion forum for all things mystic. To help Quillmoor "
    "develop and maintain this software visit Quillmoor regularly.",
    "Quillmoor needs your help. All you need to do is visit Quillmoor regularly and take "
    "part in the various discussions and activites to help us maintain and develop more "
    "Quillmoor Softwares."};

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
