#pragma once

#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"

#include <functional>
#include <memory>

// The main window of a program start on a temporary data folder: the register
// that `registro` builds (none: a fresh installation), the start's checks, the
// window without pauses in the roster tab's messages. Mostra() shows it on a tab.
struct JanelaPrincipal {
    explicit JanelaPrincipal(const std::function<void(AmbienteTeste&)>& registro = {},
                             bool aceitaAvisos = false);

    // Shows the window on the tab of that objectName, with the refresh of a
    // program start when `atualiza`.
    void Mostra(const QString& aba, bool atualiza = true);

    AmbienteTeste a;
    Inicio inicio;
    std::unique_ptr<TFPrincipal> p;
};
