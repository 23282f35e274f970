#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;
class QTableWidget;

// The control of a window by its objectName (its given name); a missing one
// ends the test run, naming it.
QWidget* ProcuraControle(const QWidget* janela, const QString& nome, const char* tipo);
template <typename T = QWidget> T* Controle(const QWidget* janela, const QString& nome) {
    return qobject_cast<T*>(ProcuraControle(janela, nome, T::staticMetaObject.className()));
}

// The lines of a list, in order.
QStringList Itens(const QListWidget* lista);

// A mouse click on a cell of a grid, scrolled into view first.
void ClicaCelula(QTableWidget* grade, int linha, int coluna);

// Clicks the button (or radio button) of a window found by its objectName or
// its text.
void Clica(QWidget* janela, const QString& botao);
// A mouse click on the indicator of a radio button or check box (its centre
// may lie beyond its text).
void ClicaIndicador(QWidget* botao);

// The objectNames of the controls that Tab visits in the window, from the one
// after inicio (or from the first) until the chain comes round: visible and
// enabled controls that take the focus by Tab.
QStringList OrdemDoTab(QWidget* janela);
// The first pair of consecutive controls of that chain whose second one lies
// above the first, or to its left on the same line: empty when the order
// follows the screen from top to bottom (and left to right within a line).
QString FocoForaDeOrdem(QWidget* janela);
