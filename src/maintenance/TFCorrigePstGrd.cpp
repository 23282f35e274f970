#include "maintenance/TFCorrigePstGrd.h"

#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "model/Sistema.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

TFCorrigePstGrd::TFCorrigePstGrd(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FCorrigePstGrd"));
    setWindowTitle(QStringLiteral("Correção de Posto ou Graduação"));
    auto* grade = new QGridLayout(this);
    auto* pergunta = new QHBoxLayout;
    pergunta->setSpacing(0);
    pergunta->addWidget(Rotulo(this, "Label1", QStringLiteral("Não reconheço ")));
    label2 = Rotulo(this, "Label2", QString());
    QFont negrito = label2->font();
    negrito.setBold(true);
    label2->setFont(negrito);
    pergunta->addWidget(label2);
    pergunta->addStretch();
    grade->addLayout(pergunta, 0, 0);
    grade->addWidget(Rotulo(this, "Label3", QStringLiteral("Corrigir")), 1, 0);
    comboBox1 = new QComboBox(this);
    comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1->setMaxVisibleItems(25);
    comboBox1->setMinimumWidth(160);
    grade->addWidget(comboBox1, 2, 0);
    grade->setRowStretch(3, 1);
    connect(comboBox1, &QComboBox::activated, this, [this](int item) {
        escolhida = item;
        accept();
    });
    resize(300, 130);
}

std::optional<int> TFCorrigePstGrd::Escolhe(const QString& forma, const QStringList& formas) {
    label2->setText(forma);
    oferecidas = formas;
    escolhida.reset();
    exec();
    return escolhida;
}

void TFCorrigePstGrd::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    comboBox1->clear();
    comboBox1->addItems(oferecidas);
    comboBox1->setCurrentIndex(-1);
    QDialog::showEvent(evento);
}
