#include "config/language_menu.h"

#include "config/config_station.h"
#include "platform/interface_language.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"

#include <QAction>
#include <QProcessEnvironment>
#include <QWidget>

namespace orvanta {

void connectLanguageMenu(QWidget &window, QAction *french, QAction *english, SettingsStore &store,
                         MessageBoxes &messages)
{
    const InterfaceLanguage current =
        chooseInterfaceLanguage(store.get(kApplication, kSetupSection, kLanguageKey), QProcessEnvironment::systemEnvironment())
            .language;
    const std::pair<QAction *, InterfaceLanguage> entries[] = {{french, InterfaceLanguage::French},
                                                               {english, InterfaceLanguage::English}};
    for (const auto &[action, language] : entries) {
        if (!action)
            continue;
        action->setChecked(language == current);
        QObject::connect(action, &QAction::triggered, &window, [&store, &messages, language = language, current] {
            store.save(kApplication, kSetupSection, kLanguageKey, languageCode(language));
            if (language == current)
                return;
            // Said in both languages: the operator may not read the one in force.
            messages.information(QStringLiteral("La langue choisie sera celle du prochain démarrage d'Orvanta.\n"
                                                 "The chosen language takes effect when Orvanta is next started."));
        });
    }
}

} // namespace orvanta
