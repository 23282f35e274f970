#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>

// A control given its name (its objectName), as the screens' code finds it.
template <typename T> T* Nomeado(T* w, const char* nome) {
    w->setObjectName(QLatin1String(nome));
    return w;
}

// A named push button that Enter presses only when it has the focus.
inline QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto) {
    auto* b = Nomeado(new QPushButton(texto, pai), nome);
    b->setAutoDefault(false);
    return b;
}

// A named caption.
inline QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto) {
    return Nomeado(new QLabel(texto, pai), nome);
}

// A named caption in bold, for a value shown beside its title.
inline QLabel* RotuloNegrito(QWidget* pai, const char* nome, const QString& texto = QString()) {
    QLabel* l = Rotulo(pai, nome, texto);
    QFont negrito = l->font();
    negrito.setBold(true);
    l->setFont(negrito);
    return l;
}
