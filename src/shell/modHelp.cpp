#include "modHelp.h"

#include "platform/Forms.h"
#include "platform/Platform.h"

#include <QPointer>

namespace aurivane::modHelp {

namespace {

constexpr int Shift = 85;
constexpr int HighestCode = 255;
// What a character outside the single-byte set becomes: the conversion's
// default character.
constexpr char16_t Unmappable = u'?';

int singleByteCode(QChar c) {
    const char16_t code = c.unicode();
    return code <= HighestCode ? code : Unmappable;
}

QString shifted(const QString& text, int by) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int code = singleByteCode(c) + by;
        if (code >= 0 && code <= HighestCode)
            result += QChar(static_cast<char16_t>(code));
    }
    return result;
}

} // namespace

QString SettingsSection() {
    return QStringLiteral("Settings");
}

QString EncodeSetting(const QString& text) {
    return shifted(text, Shift);
}

QString DecodeSetting(const QString& text) {
    return shifted(text, -Shift);
}

std::optional<QString> GetSetting(Platform& platform, const QString& name) {
    const std::optional<QString> stored = platform.readSetting(
        platform.programBaseName(), SettingsSection(), EncodeSetting(name), QString());
    if (!stored)
        return std::nullopt;
    return DecodeSetting(*stored);
}

bool SaveSetting(Platform& platform, const QString& name, const QString& value) {
    return platform.writeSetting(platform.programBaseName(), SettingsSection(), EncodeSetting(name),
                                 EncodeSetting(value));
}

void ExitApplication(Forms& forms) {
    if (forms.processEnded())
        return;
    // Snapshot in load order; an unload handler may call back in here, and
    // the nested call then finishes the job.
    const QList<QWidget*> snapshot = forms.loadedForms();
    QList<QPointer<QWidget>> loadOrder;
    for (QWidget* form : snapshot)
        loadOrder.append(QPointer<QWidget>(form));
    for (const QPointer<QWidget>& form : loadOrder) {
        if (forms.processEnded())
            return;
        if (!form.isNull())
            forms.unload(form.data()); // passes over a failing unload handler
    }
    if (!forms.processEnded())
        forms.endProcess(0);
}

} // namespace aurivane::modHelp
