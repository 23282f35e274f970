#include "maintenance/TFSaiEscTemp.h"

#include "base/ConsultaF1Qt.h"
#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "maintenance/TFQuadroAfastados.h"
#include "model/Sistema.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLineEdit* Campo(QWidget* pai, const char* nome) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(QLatin1String(nome));
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 24);
    return e;
}

} // namespace

TFSaiEscTemp::TFSaiEscTemp(Sistema& s, QWidget* pai) : QDialog(pai), sis(s), sessao(s) {
    setObjectName(QStringLiteral("FSaiEscTemp"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Afastamento Temporário dos Serviços"));

    auto* principal = new QHBoxLayout(this);
    auto* esquerda = new QVBoxLayout;
    auto* campos = new QGridLayout;
    edit1 = Campo(this, "Edit1");
    edit2 = Campo(this, "Edit2");
    edit3 = Campo(this, "Edit3");
    campos->addWidget(Rotulo(this, "Label1", QStringLiteral("Número")), 0, 0);
    campos->addWidget(edit1, 0, 1);
    campos->addWidget(Rotulo(this, "Label2", QStringLiteral("Data Início")), 1, 0);
    campos->addWidget(edit2, 1, 1);
    campos->addWidget(Rotulo(this, "Label3", QStringLiteral("Data Fim")), 2, 0);
    campos->addWidget(edit3, 2, 1);
    esquerda->addLayout(campos);

    auto* groupBox1 = new QGroupBox(QStringLiteral("Afastamento"), this);
    groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* tipos = new QVBoxLayout(groupBox1);
    rbPrev = new QRadioButton(QStringLiteral("Previsto"), groupBox1);
    rbPrev->setObjectName(QStringLiteral("RBPrev"));
    rbReal = new QRadioButton(QStringLiteral("Real"), groupBox1);
    rbReal->setObjectName(QStringLiteral("RBReal"));
    tipos->addWidget(rbPrev);
    tipos->addWidget(rbReal);
    esquerda->addWidget(groupBox1);

    auto* button1 = Botao(this, "Button1", QStringLiteral("Gravar Registro"));
    auto* button2 = Botao(this, "Button2", QStringLiteral("Sair"));
    auto* button3 = Botao(this, "Button3", QStringLiteral("Atualizar Quadro"));
    button3->hide();
    esquerda->addWidget(button1);
    esquerda->addStretch();
    esquerda->addWidget(button2);
    esquerda->addWidget(button3);
    connect(button1, &QPushButton::clicked, this, &TFSaiEscTemp::Grava);
    connect(button2, &QPushButton::clicked, this, &QDialog::close);
    connect(button3, &QPushButton::clicked, this, &TFSaiEscTemp::AtualizaQuadro);
    principal->addLayout(esquerda);

    auto* direita = new QVBoxLayout;
    direita->addWidget(Rotulo(this, "Label4", QStringLiteral("Militares Fora da Escala")));
    sgPessoal = new TFQuadroAfastados(s, this);
    direita->addWidget(sgPessoal);
    principal->addLayout(direita, 1);
}

void TFSaiEscTemp::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    Tenta(sis.dialogos, [&] { sessao.Abre(); });
    edit2->clear();
    edit3->clear();
    rbReal->setChecked(true);
    QDialog::showEvent(evento);
    // The notice of an empty list comes once the screen is painted.
    QTimer::singleShot(0, this, &TFSaiEscTemp::AtualizaQuadro);
}

void TFSaiEscTemp::AtualizaQuadro() {
    edit1->clear();
    edit1->setFocus();
    if (!sgPessoal->Mostra())
        sis.dialogos.Aviso(QString::fromUtf8(SemAfastados));
}

void TFSaiEscTemp::Grava() {
    const bool gravou = Tenta(sis.dialogos, [&] {
        sessao.Registra(edit1->text(), edit2->text(), edit3->text(), rbPrev->isChecked());
    });
    if (gravou) {
        edit2->clear();
        edit3->clear();
        AtualizaQuadro();
    }
}

void TFSaiEscTemp::done(int resultado) {
    Tenta(sis.dialogos, [&] { sessao.Fecha(); });
    QDialog::done(resultado);
}
