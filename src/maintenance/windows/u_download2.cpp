#include "maintenance/windows/u_download2.h"

#include "core/usererror.h"
#include "store/appdir.h"
#include "store/database.h"
#include "store/drawtable.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace corvel {

Tfrmdownload2::Tfrmdownload2(QWidget *parent) : QDialog(parent) {
    setObjectName("frmdownload2");
    setWindowTitle(QStringLiteral("数据下载"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    FormCreate();
}

Tfrmdownload2::~Tfrmdownload2() {
    // Nothing may arrive for a window that is going away.
    if (fetch_) fetch_->abort();
    con_.reset();
}

void Tfrmdownload2::FormCreate() {
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(200, 232, 200));
    setPalette(green);
    setAutoFillBackground(true);

    lbltishi = new QLabel(QStringLiteral("选择彩票："), this);
    comdown = new QComboBox(this);
    comdown->setObjectName("comdown");
    comdown->addItems({QStringLiteral("所有彩票"), QStringLiteral("中国福彩3D"), QStringLiteral("中国体彩排列3")});
    comdown->setCurrentIndex(0);
    lbltishi->setBuddy(comdown);

    grpsource = new QGroupBox(QStringLiteral("下载地址"), this);
    edtfc3durl = new QLineEdit(grpsource);
    edtfc3durl->setObjectName("edtfc3durl");
    edtfc3durl->setPlaceholderText(QStringLiteral("数据服务器的主机名，或完整地址 http://…/3d.txt"));
    edtpl3url = new QLineEdit(grpsource);
    edtpl3url->setObjectName("edtpl3url");
    edtpl3url->setPlaceholderText(QStringLiteral("走势图网站的主机名，或完整地址 http://…/Pls/ZongheZs-200.html"));
    for (const DownloadTarget &t : downloadTargets()) {
        QLineEdit *edit = addressEdit(t);
        edit->setText(savedSourceAddress(t));
        edit->setMinimumWidth(std::max(320, edit->fontMetrics().horizontalAdvance(edit->placeholderText()) + 24));
        connect(edit, &QLineEdit::editingFinished, this, &Tfrmdownload2::saveAddresses);
    }
    auto *form = new QFormLayout(grpsource);
    form->addRow(QStringLiteral("中国福彩3D："), edtfc3durl);
    form->addRow(QStringLiteral("中国体彩排列3："), edtpl3url);

    btndown = new QPushButton(QStringLiteral("开始下载"), this);
    btndown->setObjectName("btndown");
    btndown->setDefault(true);
    btnclose = new QPushButton(QStringLiteral("退出"), this);
    btnclose->setObjectName("btnclose");
    lbltitle = new QLabel(QStringLiteral("正在更新中国福彩3D。。。"), this);
    lbltitle->setObjectName("lbltitle");
    lbltitle->setWordWrap(true);
    lbltitle->setMinimumWidth(480);
    lbltitle->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbltitle->hide();
    // While a download runs: a busy bar and "取消" (the server may be slow or silent).
    prgbusy = new QProgressBar(this);
    prgbusy->setObjectName("prgbusy");
    prgbusy->setRange(0, 0);
    prgbusy->setTextVisible(false);
    prgbusy->hide();
    btncancel = new QPushButton(QStringLiteral("取消"), this);
    btncancel->setObjectName("btncancel");
    btncancel->hide();

    auto *choose = new QHBoxLayout;
    choose->addWidget(lbltishi);
    choose->addWidget(comdown, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btndown);
    buttons->addWidget(btncancel);
    buttons->addWidget(btnclose);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(choose);
    layout->addWidget(grpsource);
    layout->addWidget(lbltitle);
    layout->addWidget(prgbusy);
    layout->addLayout(buttons);

    fetch_ = new HttpFetch(this);
    connect(fetch_, &HttpFetch::finished, this, &Tfrmdownload2::fetched);
    connect(btndown, &QPushButton::clicked, this, &Tfrmdownload2::btndownClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmdownload2::btncloseClick);
    connect(btncancel, &QPushButton::clicked, this, &Tfrmdownload2::btncancelClick);
}

QLineEdit *Tfrmdownload2::addressEdit(const DownloadTarget &target) const {
    return target.source == DrawSource::DrawFile ? edtfc3durl : edtpl3url;
}

void Tfrmdownload2::saveAddresses() {
    for (const DownloadTarget &t : downloadTargets()) saveSourceAddress(t, addressEdit(t)->text());
}

void Tfrmdownload2::btndownClick() {
    if (downloading_) return;
    saveAddresses();
    const QString chosen = comdown->currentText();
    queue_.clear();
    for (const DownloadTarget &t : downloadTargets())
        if (comdown->currentIndex() == 0 || t.lottery == chosen) queue_.push_back(t);
    for (QWidget *w : std::initializer_list<QWidget *>{btndown, btnclose, comdown, lbltishi, grpsource}) w->hide();
    lbltitle->show();
    prgbusy->show();
    btncancel->show();
    btncancel->setEnabled(true);
    btncancel->setDefault(true);
    btncancel->setFocus();
    results_.clear();
    allSucceeded_ = true;
    cancelled_ = false;
    current_ = 0;
    downloading_ = true;
    try {
        con_ = std::make_unique<Connection>(databasePath());
    } catch (const UserError &e) {
        results_ << QString::fromStdString(e.what());
        finishAll();
        return;
    }
    startNext();
}

void Tfrmdownload2::startNext() {
    for (; current_ < queue_.size(); ++current_) {
        const DownloadTarget &t = queue_[current_];
        lbltitle->setText(QStringLiteral("正在更新%1。。。").arg(t.lottery));
        removeWorkingFile();
        const QString address = addressEdit(t)->text().trimmed();
        if (address.isEmpty()) {
            report(QStringLiteral("未设置下载地址，已跳过。"), false);
            continue;
        }
        const QUrl url = targetUrl(t, address);
        if (!url.isValid()) {
            report(QStringLiteral("下载地址“%1”无效，已跳过。").arg(address), false);
            continue;
        }
        try {
            before_ = storedIssues(con_->db(), t.lottery);
        } catch (const UserError &e) {
            report(QString::fromStdString(e.what()) + QStringLiteral("，没有下载。"), false);
            continue;
        }
        fetch_->get(url, timeoutMs, deadlineMs);
        return;
    }
    finishAll();
}

void Tfrmdownload2::fetched(const FetchResult &result) {
    if (!downloading_ || current_ >= queue_.size()) return;
    const DownloadTarget &t = queue_[current_];
    if (!result.ok && cancelled_) {
        report(QStringLiteral("已取消，没有添加开奖号码。"), false);
    } else if (!result.ok) {
        report(QStringLiteral("下载失败（%1），没有添加开奖号码。").arg(result.error), false);
    } else {
        writeWorkingFile(result.body); // kept for the user to look at; the draws are read from memory
        try {
            const int added = appendDownload(con_->db(), t.lottery, t.source, result.body, before_);
            QString outcome =
                added > 0 ? QStringLiteral("新增%1期开奖号码。").arg(added) : QStringLiteral("没有新的开奖号码。");
            if (added > 0) {
                // What was appended is checked with the draws stored before it.
                const DrawCheck check = checkDrawTable(con_->db(), t.lottery);
                if (!check.findings.empty())
                    outcome += QStringLiteral("\n数据检查：") + QString::fromStdString(drawCheckSummary(check, 3));
            }
            report(outcome, true);
        } catch (const UserError &e) {
            report(QString::fromStdString(e.what()) + QStringLiteral("，没有添加开奖号码。"), false);
        }
    }
    ++current_;
    if (cancelled_) {
        for (; current_ < queue_.size(); ++current_) report(QStringLiteral("已取消，没有下载。"), false);
        finishAll();
        return;
    }
    startNext();
}

void Tfrmdownload2::btncancelClick() {
    if (!downloading_ || cancelled_) return;
    cancelled_ = true;
    btncancel->setEnabled(false);
    lbltitle->setText(QStringLiteral("正在取消。。。"));
    fetch_->cancel();
}

void Tfrmdownload2::report(const QString &outcome, bool success) {
    results_ << queue_[current_].lottery + QStringLiteral("：") + outcome;
    if (!success) allSucceeded_ = false;
}

void Tfrmdownload2::finishAll() {
    con_.reset();
    downloading_ = false;
    prgbusy->hide();
    btncancel->hide();
    const QString outcome = cancelled_      ? QStringLiteral("下载已取消")
                            : allSucceeded_ ? QStringLiteral("下载完成")
                                            : QStringLiteral("下载结束，有彩票没有更新。");
    lbltitle->setText(outcome + QChar(u'\n') + results_.join(QChar(u'\n')));
    btnclose->show();
    btnclose->setDefault(true);
    btnclose->setFocus();
    emit downloadFinished();
}

void Tfrmdownload2::btncloseClick() { close(); }

void Tfrmdownload2::done(int result) {
    if (downloading_) {
        fetch_->abort();
        con_.reset();
        downloading_ = false;
    }
    QDialog::done(result);
}

} // namespace corvel
