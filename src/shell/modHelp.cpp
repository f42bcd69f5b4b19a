#include "modHelp.h"

#include "platform/Forms.h"
#include "platform/Platform.h"

#include <QPointer>

namespace aurivane::modHelp {

namespace {

const QString Section = QStringLiteral("Settings");

QString Shifted(const QString& text, int by) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        // Outside the single-byte set a character is the conversion's '?'.
        const int code = (c.unicode() <= 255 ? c.unicode() : u'?') + by;
        if (code >= 0 && code <= 255)
            result += QChar(static_cast<char16_t>(code));
    }
    return result;
}

} // namespace

QString EncodeSetting(const QString& text) {
    return Shifted(text, 85);
}

QString DecodeSetting(const QString& text) {
    return Shifted(text, -85);
}

std::optional<QString> GetSetting(Platform& platform, const QString& name) {
    const std::optional<QString> stored =
        platform.readSetting(platform.programBaseName(), Section, EncodeSetting(name), QString());
    if (!stored)
        return std::nullopt;
    return DecodeSetting(*stored);
}

bool SaveSetting(Platform& platform, const QString& name, const QString& value) {
    return platform.writeSetting(platform.programBaseName(), Section, EncodeSetting(name),
                                 EncodeSetting(value));
}

void ExitApplication(Forms& forms) {
    // Guarded, in load order: an unload handler may call back in here, and
    // the nested call then finishes the job.
    QList<QPointer<QWidget>> loadOrder;
    for (QWidget* form : forms.loadedForms())
        loadOrder.append(form);
    for (const QPointer<QWidget>& form : loadOrder) {
        if (!form.isNull() && !forms.processEnded())
            forms.unload(form); // passes over a failing unload handler
    }
    if (!forms.processEnded())
        forms.endProcess(0);
}

} // namespace aurivane::modHelp
