#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QSpinBox;
class QTableWidget;

namespace orvanta {

class MessageBoxes;
class PassPlanner;

// The window "Planning des passages" (`Planning_Passages`), not modal: the
// passes of the selection for the next `Planning_Jours` days (1 to 7) in the
// table `Planning_Table`, sortable by any column, filtered by
// `Planning_Site_Min` (lowest highest elevation) and `Planning_Satellite`
// ("Tous" or one satellite); `Planning_Actualiser` computes again,
// `Planning_Export_ICS` and `Planning_Export_CSV` write the rows shown.
class PlanningWindow final : public QWidget {
    Q_OBJECT
public:
    PlanningWindow(PassPlanner &planner, MessageBoxes &messages, QWidget *parent = nullptr);

    // Shows the window and computes the schedule from now.
    void ouvrir();

    // Where to export: asks the operator; tests answer instead.
    std::function<QString(const QString &title, const QString &filter)> askPath;

private:
    void computed();
    void showRows();
    void exportTo(bool calendar);

    PassPlanner &planner_;
    MessageBoxes &messages_;
    QSpinBox *days_;
    QSpinBox *minimum_;
    QComboBox *satellite_;
    QTableWidget *table_;
    QLabel *state_;
};

// The menu "Passages" (`Mnu_Passages`) of the main window, before the entry
// `before` ("Aide"), whose entry `Mnu_Planning` "Planning des passages" opens the window.
void addPlanningMenu(QMainWindow &main, QAction *before, PlanningWindow &planning);

} // namespace orvanta
