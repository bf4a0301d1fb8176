#include "listings/attachment_panel.h"

#include "listings/picture_view.h"
#include "ui/seams.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVideoWidget>

AttachmentPanel::AttachmentPanel(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("AttachmentPages"));
    for (int slot = 1; slot <= 3; ++slot)
        addTab(buildPictureTab(slot), QStringLiteral("사진%1").arg(slot));
    addTab(buildVideoTab(), QStringLiteral("동영상"));
    updateButtons();
}

QWidget *AttachmentPanel::buildPictureTab(int slot)
{
    auto *page = new QWidget(this);
    auto *box = new QVBoxLayout(page);
    box->setContentsMargins(2, 2, 2, 2);
    auto *pic = new QLabel(page);
    pic->setObjectName(QStringLiteral("Pic%1").arg(slot));
    pic->setAlignment(Qt::AlignCenter);
    pic->setFrameShape(QFrame::StyledPanel);
    pic->setMinimumSize(120, 80);
    pic->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    pic->setAccessibleName(QStringLiteral("사진%1").arg(slot));
    m_boxes[slot - 1] = pic;
    box->addWidget(pic, 1);
    auto *row = new QHBoxLayout;
    auto *ins = new QPushButton(QStringLiteral("사진입력"), page);
    ins->setObjectName(QStringLiteral("PicIns%1").arg(slot));
    auto *zoom = new QPushButton(QStringLiteral("사진확대"), page);
    zoom->setObjectName(QStringLiteral("RealSize%1").arg(slot));
    auto *del = new QPushButton(QStringLiteral("사진삭제"), page);
    del->setObjectName(QStringLiteral("PicDelete%1").arg(slot));
    m_zoom[slot - 1] = zoom;
    m_delete[slot - 1] = del;
    for (QPushButton *b : {ins, zoom, del}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    box->addLayout(row);
    connect(ins, &QPushButton::clicked, this, [this, slot] { pickPicture(slot); });
    connect(zoom, &QPushButton::clicked, this, [this, slot] { zoomPicture(slot); });
    connect(del, &QPushButton::clicked, this, [this, slot] { clearSlot(slot); });
    return page;
}

QWidget *AttachmentPanel::buildVideoTab()
{
    auto *page = new QWidget(this);
    auto *box = new QVBoxLayout(page);
    box->setContentsMargins(2, 2, 2, 2);
    m_video = new QVideoWidget(page);
    m_video->setObjectName(QStringLiteral("VideoPanel"));
    m_video->setMinimumSize(120, 60);
    box->addWidget(m_video, 1);
    m_player = new QMediaPlayer(this);
    m_player->setObjectName(QStringLiteral("MediaPlayer1"));
    m_player->setVideoOutput(m_video);
    // Without an audio device an attached output can bring the player down; attach one only when
    // the machine has somewhere to play sound.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        m_audio = new QAudioOutput(this);
        m_player->setAudioOutput(m_audio);
    }
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString &text) {
        if (!m_files[3].isEmpty())
            seams::dialogs().inform(QStringLiteral("동영상을 재생할 수 없습니다 : %1").arg(text));
    });

    m_playerButtons = new QWidget(page);
    m_playerButtons->setObjectName(QStringLiteral("MediaPlayer1Buttons"));
    auto *controls = new QHBoxLayout(m_playerButtons);
    controls->setContentsMargins(0, 0, 0, 0);
    auto *play = new QPushButton(QStringLiteral("재생"), m_playerButtons);
    play->setObjectName(QStringLiteral("PlayButton"));
    auto *pause = new QPushButton(QStringLiteral("일시정지"), m_playerButtons);
    pause->setObjectName(QStringLiteral("PauseButton"));
    auto *stop = new QPushButton(QStringLiteral("정지"), m_playerButtons);
    stop->setObjectName(QStringLiteral("StopButton"));
    for (QPushButton *b : {play, pause, stop}) {
        b->setAutoDefault(false);
        controls->addWidget(b);
    }
    connect(play, &QPushButton::clicked, m_player, &QMediaPlayer::play);
    connect(pause, &QPushButton::clicked, m_player, &QMediaPlayer::pause);
    connect(stop, &QPushButton::clicked, m_player, &QMediaPlayer::stop);
    box->addWidget(m_playerButtons);

    auto *row = new QHBoxLayout;
    auto *ins = new QPushButton(QStringLiteral("동영상입력"), page);
    ins->setObjectName(QStringLiteral("PicIns4"));
    auto *zoom = new QPushButton(QStringLiteral("동영상확대"), page);
    zoom->setObjectName(QStringLiteral("RealSize4"));
    auto *del = new QPushButton(QStringLiteral("동영상삭제"), page);
    del->setObjectName(QStringLiteral("PicDelete4"));
    m_zoom[3] = zoom;
    m_delete[3] = del;
    for (QPushButton *b : {ins, zoom, del}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    box->addLayout(row);
    connect(ins, &QPushButton::clicked, this, &AttachmentPanel::pickVideo);
    // The video shows in a window of its own, full size.
    connect(zoom, &QPushButton::clicked, this, [this] {
        if (!m_video->isFullScreen()) {
            m_video->setFullScreen(true);
            m_player->play();
        }
    });
    connect(del, &QPushButton::clicked, this, [this] { clearSlot(4); });
    return page;
}

void AttachmentPanel::updateButtons()
{
    for (int i = 0; i < kSlots; ++i) {
        const bool filled = !m_files[i].isEmpty();
        m_zoom[i]->setEnabled(filled);
        m_delete[i]->setEnabled(filled);
    }
    const bool video = !m_files[3].isEmpty();
    m_video->setVisible(video);
    m_playerButtons->setVisible(video);
    m_playerButtons->setEnabled(video);
}

bool AttachmentPanel::setFile(int slot, const QString &path, bool quietWhenMissing)
{
    if (slot < 1 || slot > kSlots || path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        if (!quietWhenMissing)
            seams::dialogs().inform(QStringLiteral("파일을 읽을 수 없습니다 : %1").arg(path));
        return false;
    }
    if (slot <= 3) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage image = reader.read();
        if (image.isNull()) {
            seams::dialogs().inform(
                QStringLiteral("그림 파일을 읽을 수 없습니다 : %1\n%2").arg(path, reader.errorString()));
            return false;
        }
        m_pixmaps[slot - 1] = QPixmap::fromImage(image);
        QLabel *box = m_boxes[slot - 1];
        const QSize area = box->size().isValid() && box->width() > 20 ? box->size() : QSize(200, 140);
        box->setPixmap(m_pixmaps[slot - 1].scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    } else {
        m_player->stop();
        m_player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    }
    m_files[slot - 1] = path;
    updateButtons();
    return true;
}

void AttachmentPanel::clearSlot(int slot)
{
    if (slot < 1 || slot > kSlots)
        return;
    m_files[slot - 1].clear();
    if (slot <= 3) {
        m_pixmaps[slot - 1] = QPixmap();
        m_boxes[slot - 1]->clear();
    } else {
        m_player->stop();
        m_player->setSource(QUrl());
    }
    updateButtons();
}

void AttachmentPanel::clearAll()
{
    for (int slot = 1; slot <= kSlots; ++slot)
        clearSlot(slot);
}

void AttachmentPanel::setFilters(const QString &picture, const QString &video, const QString &pictureAfterVideo)
{
    m_pictureFilter = picture;
    m_videoFilter = video;
    m_pictureFilterAfterVideo = pictureAfterVideo;
}

// The filters are stored as "description|patterns"; the file dialog takes "description (patterns)".
static QString dialogFilter(const QString &stored)
{
    const int bar = stored.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return stored;
    QString patterns = stored.mid(bar + 1);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString description = stored.left(bar);
    const int paren = description.indexOf(QLatin1Char('('));
    if (paren >= 0)
        description = description.left(paren).trimmed();
    if (description.isEmpty())
        description = QStringLiteral("All");
    return QStringLiteral("%1 (%2)").arg(description, patterns.simplified());
}

void AttachmentPanel::pickPicture(int slot)
{
    const QString chosen = seams::dialogs().chooseFile(dialogFilter(m_pictureFilter));
    if (chosen.isEmpty())
        return;
    setFile(slot, chosen);
}

void AttachmentPanel::pickVideo()
{
    const QString chosen = seams::dialogs().chooseFile(dialogFilter(m_videoFilter));
    if (!chosen.isEmpty())
        setFile(4, chosen);
    m_pictureFilter = m_pictureFilterAfterVideo;
}

QPixmap AttachmentPanel::picture(int slot) const
{
    return slot >= 1 && slot <= 3 ? m_pixmaps[slot - 1] : QPixmap();
}

void AttachmentPanel::zoomPicture(int slot)
{
    if (picture(slot).isNull())
        return;
    Tpicture_view viewer(window());
    viewer.setGeometry(40, 40, 600, 600);
    viewer.setPicture(picture(slot));
    seams::modal().run(&viewer);
}
