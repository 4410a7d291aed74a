#include "FImportHelp.h"

#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QStringList TfrmImportHelp::HelpLines()
{
    return {
        QStringLiteral("■データインポート機能"),
        QString(),
        QStringLiteral("イベントデータを一括で登録する機能です。データはCSV形式のファイルを使います。"),
        QString(),
        QStringLiteral("■利用手順"),
        QString(),
        QStringLiteral("1.開くボタンでデータのファイルを選択する"),
        QStringLiteral("2.エラーがなくなるまで一覧のデータを修正する。あるいは、元のファイルを修正して開き直す"),
        QStringLiteral("3.インポートボタンで一覧のデータを登録する"),
        QString(),
        QStringLiteral("■CSV形式"),
        QString(),
        QStringLiteral("以下の形式でデータを作成してください。"),
        QString(),
        QStringLiteral("文字エンコーディング：UTF8"),
        QStringLiteral("ヘッダ行\u3000\u3000\u3000\u3000\u3000\u3000：不要"),
        QStringLiteral("項目\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000：日付、タイトル、詳細"),
        QString(),
        QStringLiteral("日付は年月日をハイフン、スラッシュ、ピリオドのいずれかで区切ってください。"),
        QStringLiteral("例：2024-10-20"),
        QString(),
        QStringLiteral("年は1\uFF5E9999の範囲で利用できます。"),
        QString(),
        QStringLiteral("詳細は省略できます。"),
        QString(),
        QStringLiteral("項目が4つ以上ある場合は、4つ目以降を無視します。"),
        QString(),
        QStringLiteral("■データ例"),
        QString(),
        QStringLiteral("2023-01-01,タイトル1,詳細"),
        QStringLiteral("2023/02/01,タイトル2,"),
        QStringLiteral("2023.03.01,\"タイトル2,1\","),
    };
}

TfrmImportHelp::TfrmImportHelp(TPlatform& platform, QWidget* parent) : TForm(platform, parent)
{
    setObjectName(QStringLiteral("frmImportHelp"));
    setWindowTitle(QStringLiteral("ヘルプ(インポート)"));
    resize(640, 480);

    memHelp = new QPlainTextEdit(this);
    memHelp->setObjectName(QStringLiteral("memHelp"));
    memHelp->setReadOnly(true);
    memHelp->setFocusPolicy(Qt::NoFocus);
    QFont font = memHelp->font();
    font.setFamily(QStringLiteral("BIZ UDGothic"));
    memHelp->setFont(font);
    memHelp->setPlainText(HelpLines().join(u'\n'));

    btnClose = new QPushButton(QIcon(QStringLiteral(":/icons/import/Close.svg")), QStringLiteral("閉じる(&C)"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setFixedSize(80, 32);
    btnClose->setAutoDefault(false);
    connect(btnClose, &QPushButton::clicked, this, [this] { Guard([this] { btnCloseClick(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 8, 16, 16);
    buttons->addStretch();
    buttons->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* text = new QVBoxLayout;
    text->setContentsMargins(16, 16, 16, 8);
    text->addWidget(memHelp);
    layout->addLayout(text, 1);
    layout->addLayout(buttons);

    FormCreate();
}

void TfrmImportHelp::FormCreate()
{
    memHelp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void TfrmImportHelp::btnCloseClick()
{
    Close(mrCancel);
}
