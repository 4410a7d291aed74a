#pragma once
// The program's windows, one of each, created in this order: the main window
// (which opens the database), the category manager, the event editor, the import
// dialog, the import help and the search dialog. The dialogs belong to the main
// window and stay hidden until a command shows them.
#include "FMain.h"

#include <memory>

class TfrmImportHelp;

class TApplicationWindows {
public:
    // Fails, showing nothing, when the main window cannot start.
    explicit TApplicationWindows(TPlatform& platform);
    ~TApplicationWindows();

    std::unique_ptr<TfrmMain> frmMain;
    TfrmCategory* frmCategory = nullptr;
    TfrmEvent* frmEvent = nullptr;
    TfrmImport* frmImport = nullptr;
    TfrmImportHelp* frmImportHelp = nullptr;
    TfrmSearch* frmSearch = nullptr;
};
