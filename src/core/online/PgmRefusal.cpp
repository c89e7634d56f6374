#include "online/PgmRefusal.h"

#include "app/Strings.h"
#include "base/TextIds.h"

namespace qarvo::online {

QString pgmNotSwitchableText(int pgmNumber)
{
    // The string table words this refusal for PGM1 only; the number in the
    // text is replaced so that every PGM is named correctly.
    static const QString kNamedPgm = QStringLiteral("PGM1");
    QString text = strings::text(text_id::kPgm1NotSwitchable);
    const qsizetype at = text.indexOf(kNamedPgm);
    if (at >= 0)
        text.replace(at, kNamedPgm.size(), QStringLiteral("PGM%1").arg(pgmNumber));
    return text;
}

} // namespace qarvo::online
