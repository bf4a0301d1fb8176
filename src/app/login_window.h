#pragma once
// The login window: ID and password of a registrant; on success part of the office information is
// loaded into the data module and the window closes with OK.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TfmLogin : public QDialog {
    Q_OBJECT
public:
    explicit TfmLogin(QWidget *parent = nullptr);

    void btnLoginClick();

private:
    QLineEdit *m_id;
    QLineEdit *m_passwd;
};
