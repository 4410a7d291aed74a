#pragma once
// The main window: the day view and the program's commands.
#include "MDataBaseCommon.h"
#include "MEvent.h"
#include "UPlatform.h"

#include <QMainWindow>

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Runs FormCreate: opens the database and fills the window. A failure leaves
    // the window unfinished and passes to the caller.
    explicit TfrmMain(TPlatform& platform, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TDbConnection& dbMain() { return FDbMain; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();

    TPlatform& FPlatform;
    TDbConnection FDbMain;
    std::unique_ptr<TEventList> FEvents;
    bool FClosed = false;
};
