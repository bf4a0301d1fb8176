#pragma once
// The main window: menus, the kind icon band, the command buttons, the office logo, the banner and
// the web-link panel. Start-up runs when it is first shown; closing it ends the run.

#include <QMainWindow>

class QLabel;
class QMovie;
class QGroupBox;
class QFrame;
class QMenu;
class QPushButton;

class TfmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmMain(QWidget *parent = nullptr);

    // When set, closing neither asks the exit question nor backs up the data.
    quint8 ClosingSilently = 0;

    // Start-up: data folder, list columns, registrant, logo, login. Runs once, on the first show.
    void FormShow();
    // Loads the office logo (MainLogoFile, re-rooted onto the image folder) into the central picture.
    void ShowLogo();
    // The file the logo is looked for (empty when MainLogoFile is 5 characters or shorter).
    static QString logoFileFor(const QString &mainLogoFile, const QString &imageFolder);

    void openList(const QString &window);
    void openWindow(const QString &window);
    void openWebPage(const QString &sname);
    void upgradeProgram();
    void changeDataFolder();
    // Whether start-up found a readable data folder.
    bool dataReady() const { return m_dataReady; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildBasePanel(QWidget *parent);
    void buildLinkPanel(QWidget *parent);
    bool openDataFolder();
    void placeCornerPicture();

    bool m_shown = false;
    bool m_started = false;
    bool m_dataReady = false;
    QFrame *m_basePanel = nullptr;
    QLabel *m_logo = nullptr;
    QMovie *m_logoMovie = nullptr;
    QLabel *m_banner = nullptr;
    QLabel *m_corner = nullptr;
};
