#pragma once
// The download window "数据下载": brings the draw tables of 中国福彩3D and 中国体彩排列3
// up to date from their sources, one lottery after the other, without blocking the window.

#include "store/download.h"

#include <QDialog>
#include <QStringList>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace corvel {

class Connection;

class Tfrmdownload2 : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmdownload2(QWidget *parent = nullptr);
    ~Tfrmdownload2() override;

    void btndownClick();
    void btncloseClick();
    // "取消": stops the running download; what was stored stays, the rest is not fetched.
    void btncancelClick();

    bool downloading() const { return downloading_; }
    // One line per lottery of the last download: what was added, or why nothing was.
    QStringList results() const { return results_; }

    // How long the server may stay silent before a download is given up, and how long one
    // download may take in all.
    int timeoutMs = 20000;
    int deadlineMs = 60000;

    QLabel *lbltishi = nullptr;
    QComboBox *comdown = nullptr;
    QGroupBox *grpsource = nullptr;
    QLineEdit *edtfc3durl = nullptr;
    QLineEdit *edtpl3url = nullptr;
    QPushButton *btndown = nullptr;
    QPushButton *btnclose = nullptr;
    QPushButton *btncancel = nullptr;
    QProgressBar *prgbusy = nullptr;
    QLabel *lbltitle = nullptr;

signals:
    void downloadFinished();

protected:
    // Closing while a download runs drops the running request; what was stored stays.
    void done(int result) override;

private:
    void FormCreate();
    QLineEdit *addressEdit(const DownloadTarget &target) const;
    void saveAddresses();
    void startNext();
    void fetched(const FetchResult &result);
    void report(const QString &outcome, bool success);
    void finishAll();

    HttpFetch *fetch_ = nullptr;
    std::unique_ptr<Connection> con_;
    std::vector<DownloadTarget> queue_;
    size_t current_ = 0;
    StoredIssues before_;
    QStringList results_;
    bool allSucceeded_ = true;
    bool downloading_ = false;
    bool cancelled_ = false;
};

} // namespace corvel
