#include "maintenance/RelacaoServicosQt.h"

#include "base/CoresQt.h"
#include "maintenance/CadastroServicos.h"
#include "model/Sistema.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

QSize TamanhoRelacaoServicos(const QFont& fonte) {
    const QFontMetrics m(fonte);
    return {m.horizontalAdvance(QStringLiteral("30 - WWWWWWWW")) * 2 + 40, m.lineSpacing() * 18};
}

void PintaRelacaoServicos(QPainter& p, const QRect& area, const Sistema& s, const QFont& fonte) {
    const QFontMetrics m(fonte);
    const int linha = m.lineSpacing();
    QFont negrito = fonte;
    negrito.setBold(true);
    p.setFont(negrito);
    p.setPen(CorDoSlot(s.SlotsCores, 5));
    p.drawText(area.left() + 10, area.top() + m.ascent(), QStringLiteral("Relação dos Serviços"));
    p.setFont(fonte);
    const int largura = area.width() / 2;
    for (int cod = 1; cod <= 30; ++cod) {
        const int col = (cod - 1) / 15;
        const int lin = (cod - 1) % 15;
        p.drawText(area.left() + 10 + col * largura, area.top() + m.ascent() + linha * (lin + 2),
                   LinhaRelacao(s, cod));
    }
}
