#include "support/JanelaPrincipal.h"

#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"

#include <QTabWidget>

JanelaPrincipal::JanelaPrincipal(const std::function<void(AmbienteTeste&)>& registro,
                                 bool aceitaAvisos)
    : inicio(a.Pasta(), a.dir.filePath("Aliases.ini")) {
    if (registro)
        registro(a);
    inicio.Prepara(a.relogio.Hoje());
    a.dialogos.AceitaAvisos = aceitaAvisos;
    p = std::make_unique<TFPrincipal>(*a.sis, inicio);
    p->AbaEscalar()->Janelas().PausaMs = 0;
}

void JanelaPrincipal::Mostra(const QString& aba, bool atualiza) {
    p->show();
    if (atualiza)
        p->Atualiza();
    p->Paginas()->setCurrentWidget(p->findChild<QWidget*>(aba));
}
