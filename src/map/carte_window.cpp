#include "map/carte_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace orvanta {

MapView::MapView(MapBackground &background, QWidget *parent) : QWidget(parent), background_(background)
{
    setObjectName(QStringLiteral("Carte_Vue"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(360, 180);
}

void MapView::setScene(MapScene scene)
{
    const QRegion changed = changedRegion(scene_, scene, size(), background_);
    scene_ = std::move(scene);
    if (!changed.isEmpty())
        update(changed);
}

void MapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintMap(painter, size(), scene_, background_);
}

void MapView::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(positionText(MapProjection(QSizeF(size())).toGround(event->position())));
}

void MapView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto name = satelliteAt(scene_, size(), event->position()))
        emit satelliteClicked(*name);
}

CarteWindow::CarteWindow(QWidget *parent, const QString &dayImage, const QString &nightImage)
    : QWidget(parent, Qt::Window), background_(std::make_unique<MapBackground>(dayImage, nightImage)),
      view_(new MapView(*background_, this)), position_(new QLabel(this))
{
    setObjectName(QStringLiteral("Carte"));
    setWindowTitle(tr("Carte"));
    position_->setObjectName(QStringLiteral("Carte_Position"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view_, 1);
    // Said once, in the window, rather than in a box at every opening.
    if (!background_->hasImage()) {
        auto *message = new QLabel(tr("Image de la Terre introuvable (%1, paquet xplanet-images) : "
                                      "la carte n'a que ses méridiens et parallèles.")
                                       .arg(background_->dayImagePath()),
                                   this);
        message->setObjectName(QStringLiteral("Carte_Message"));
        message->setWordWrap(true);
        layout->addWidget(message);
    }
    layout->addWidget(position_);
    connect(view_, &MapView::hovered, position_, &QLabel::setText);
    connect(view_, &MapView::satelliteClicked, this, &CarteWindow::satelliteChosen);
    resize(1032, 560);
}

CarteWindow::~CarteWindow() = default;

void CarteWindow::ouvrir()
{
    show();
    raise();
    activateWindow();
}

void CarteWindow::setScene(MapScene scene)
{
    view_->setScene(std::move(scene));
}

} // namespace orvanta
