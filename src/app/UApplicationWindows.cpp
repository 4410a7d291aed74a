#include "UApplicationWindows.h"

#include "FCategory.h"
#include "FEvent.h"
#include "FImport.h"
#include "FImportHelp.h"
#include "FSearch.h"

TApplicationWindows::TApplicationWindows(TPlatform& platform) : frmMain(std::make_unique<TfrmMain>(platform))
{
    QWidget* owner = frmMain.get();
    frmCategory = new TfrmCategory(platform, owner);
    frmEvent = new TfrmEvent(platform, *frmCategory, owner);
    frmImportHelp = new TfrmImportHelp(platform, owner);
    frmImport = new TfrmImport(platform, *frmCategory, *frmImportHelp, owner);
    frmSearch = new TfrmSearch(platform, *frmEvent, owner);
    frmMain->SetDialogs({frmCategory, frmEvent, frmImport, frmSearch});
}

TApplicationWindows::~TApplicationWindows() = default;
