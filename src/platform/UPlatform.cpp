#include "UPlatform.h"

#include <QStringList>

QString FailureText(const std::exception& failure)
{
    return QString::fromUtf8(failure.what());
}

void TPlatform::Guard(const std::function<void()>& command) noexcept
{
    try {
        try {
            command();
        } catch (const std::exception& failure) {
            ShowError(FailureText(failure));
        } catch (...) {
            ShowError(QStringLiteral("予期しないエラーが発生しました。"));
        }
    } catch (...) {
        // Showing the error failed as well; the window must stay usable all the same.
    }
}

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QStringLiteral(";;"));
}
