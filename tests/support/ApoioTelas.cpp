#include "support/ApoioTelas.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

QWidget* ProcuraControle(const QWidget* janela, const QString& nome, const char* tipo) {
    // The window's own controls before those of the windows it holds.
    QList<const QObject*> fila{janela};
    while (!fila.isEmpty()) {
        const QObject* pai = fila.takeFirst();
        for (QObject* filho : pai->children()) {
            if (filho->objectName() == nome && filho->isWidgetType() && filho->inherits(tipo))
                return static_cast<QWidget*>(filho);
            fila << filho;
        }
    }
    qFatal("controle %s (%s) não encontrado em %s", qPrintable(nome), tipo,
           qPrintable(janela->objectName()));
}

QStringList Itens(const QListWidget* lista) {
    QStringList linhas;
    for (int i = 0; i < lista->count(); ++i)
        linhas << lista->item(i)->text();
    return linhas;
}

void ClicaCelula(QTableWidget* grade, int linha, int coluna) {
    QTableWidgetItem* item = grade->item(linha, coluna);
    QVERIFY(item);
    grade->scrollToItem(item);
    QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, grade->visualItemRect(item).center());
}

void Clica(QWidget* janela, const QString& botao) {
    for (QAbstractButton* b : janela->findChildren<QAbstractButton*>())
        if (b->objectName() == botao || b->text() == botao) {
            b->click();
            return;
        }
    QTest::qFail(qPrintable("botão não encontrado: " + botao), __FILE__, __LINE__);
}

void ClicaIndicador(QWidget* botao) {
    QTest::mouseClick(botao, Qt::LeftButton, {}, QPoint(8, botao->height() / 2));
}

namespace {

bool TomaFocoPorTab(const QWidget* w, const QWidget* janela) {
    // A widget that hands its focus on (a tab widget to its bar) is not a stop.
    return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(janela) &&
           w->isEnabled() && w->window() == janela->window() &&
           (w == janela || janela->isAncestorOf(w));
}

QList<QWidget*> Cadeia(QWidget* janela) {
    QList<QWidget*> cadeia;
    QWidget* w = janela;
    do {
        w = w->nextInFocusChain();
        if (TomaFocoPorTab(w, janela) && !cadeia.contains(w))
            cadeia << w;
    } while (w != janela && w->nextInFocusChain() != janela && cadeia.size() < 500);
    return cadeia;
}

QString Nome(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

} // namespace

QStringList OrdemDoTab(QWidget* janela) {
    QStringList nomes;
    for (const QWidget* w : Cadeia(janela))
        nomes << Nome(w);
    return nomes;
}

QString FocoForaDeOrdem(QWidget* janela) {
    const QList<QWidget*> cadeia = Cadeia(janela);
    const auto retangulo = [janela](const QWidget* w) {
        return QRect(w->mapTo(janela->window(), QPoint(0, 0)), w->size());
    };
    for (int i = 1; i < cadeia.size(); ++i) {
        const QRect a = retangulo(cadeia[i - 1]);
        const QRect b = retangulo(cadeia[i]);
        // Next to the right (on the same line, or the next column), or below.
        const bool aDireita = b.left() >= a.right() - 1;
        const bool abaixo = b.center().y() > a.bottom();
        const bool mesmaLinhaAdiante =
            qAbs(b.center().y() - a.center().y()) <= a.height() / 2 && b.left() > a.left();
        if (!aDireita && !abaixo && !mesmaLinhaAdiante)
            return Nome(cadeia[i - 1]) + QStringLiteral(" -> ") + Nome(cadeia[i]);
    }
    return QString();
}
