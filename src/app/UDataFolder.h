#pragma once
// Where the database file lives: <home>/Ovenna/Marlune/Marlune.db, the home path
// being the per-user data folder ($XDG_DATA_HOME, else ~/.local/share).
#include <QString>

// The per-user data folder as the platform reports it; empty when it cannot.
QString HomePath();
// The five pieces joined as they are: home, separator, "Ovenna", separator, "Marlune".
QString DataFolderOf(const QString& homePath);
// The database file in that folder.
QString DatabaseFileOf(const QString& dataFolder);
// Makes the folder with every missing parent, each new one for its owner only
// (0700). Existing folders keep their permissions. Fails with the reason.
void ForceDirectories(const QString& folder);
