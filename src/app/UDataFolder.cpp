#include "UDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>

QString HomePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString DataFolderOf(const QString& homePath)
{
    const QString separator = QStringLiteral("/");
    return QStringLiteral("%1%2%3%4%5").arg(homePath, separator, QStringLiteral("Ovenna"), separator,
                                           QStringLiteral("Marlune"));
}

QString DatabaseFileOf(const QString& dataFolder)
{
    QString folder = dataFolder;
    while (folder.size() > 1 && folder.endsWith(u'/')) folder.chop(1);
    return folder + QStringLiteral("/Marlune.db");
}

void ForceDirectories(const QString& folder)
{
    if (QFileInfo(folder).isDir()) return; // a link to a folder counts as the folder
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    const QStringList pieces = absolute.split(u'/', Qt::SkipEmptyParts);
    QString path;
    for (const QString& piece : pieces) {
        path += u'/' + piece;
        if (QFileInfo(path).isDir()) continue;
        const QByteArray native = QFile::encodeName(path);
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
            throw std::runtime_error(QStringLiteral("フォルダーを作成できません: %1 (%2)")
                                         .arg(path, QString::fromLocal8Bit(std::strerror(errno)))
                                         .toStdString());
        }
    }
    if (!QFileInfo(absolute).isDir())
        throw std::runtime_error(QStringLiteral("フォルダーを作成できません: %1").arg(absolute).toStdString());
}
