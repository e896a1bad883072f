#pragma once

#include "map/world_map.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace orvanta {

// The drawing of the map: paints the scene, repaints only what a new scene
// moved, tells where the mouse is and which satellite was clicked.
class MapView final : public QWidget {
    Q_OBJECT
public:
    MapView(MapBackground &background, QWidget *parent = nullptr);

    void setScene(MapScene scene);
    const MapScene &scene() const { return scene_; }

    QSize sizeHint() const override { return {1024, 512}; }

signals:
    void hovered(const QString &text);
    void satelliteClicked(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    MapBackground &background_;
    MapScene scene_;
};

// The window "Carte": the world map, with the position under the mouse
// under it. It stays open beside the main window.
class CarteWindow final : public QWidget {
    Q_OBJECT
public:
    explicit CarteWindow(QWidget *parent = nullptr, const QString &dayImage = MapBackground::defaultDayImage(),
                   const QString &nightImage = MapBackground::defaultNightImage());
    ~CarteWindow() override;

    // What the menu does: shows the window and brings it forward.
    void ouvrir();
    void setScene(MapScene scene);
    MapView &view() { return *view_; }

signals:
    void satelliteChosen(const QString &name);

private:
    std::unique_ptr<MapBackground> background_;
    MapView *view_;
    QLabel *position_;
};

} // namespace orvanta
