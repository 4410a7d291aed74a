#include "FMain.h"

#include "UDataFolder.h"

#include <QCloseEvent>

TfrmMain::TfrmMain(TPlatform& platform, QWidget* parent) : QMainWindow(parent), FPlatform(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Marlune"));
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    if (DbConnection() == &FDbMain) SetDbConnection(nullptr);
}

void TfrmMain::FormCreate()
{
    FEvents.reset();
    const QString dataFolder = DataFolderOf(HomePath());
    const QString databaseFile = DatabaseFileOf(dataFolder);
    FDbMain.SetParam(QStringLiteral("DataBase"), databaseFile);
    ForceDirectories(dataFolder);
    FDbMain.Connect();
    SetDbConnection(&FDbMain);
    CreateSchema(FDbMain);
}

void TfrmMain::FormClose()
{
    FEvents.reset();
    FDbMain.Disconnect();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!FClosed) {
        FClosed = true;
        try {
            FormClose();
        } catch (const std::exception& failure) {
            FPlatform.ShowMessage(FailureText(failure));
        }
    }
    event->accept();
}
