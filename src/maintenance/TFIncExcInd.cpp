#include "maintenance/TFIncExcInd.h"

#include "base/ConsultaF1Qt.h"
#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "maintenance/CadastroPessoal.h"
#include "model/Irmaos.h"
#include "model/Sistema.h"
#include "reports/TFEscolherSv.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFrame* Painel(QWidget* pai, const char* nome) {
    auto* p = new QFrame(pai);
    p->setObjectName(QLatin1String(nome));
    p->setFrameShape(QFrame::StyledPanel);
    return p;
}

} // namespace

TFIncExcInd::TFIncExcInd(Sistema& s, QWidget* pai) : QDialog(pai), sis(s), sessao(s.dialogos) {
    setObjectName(QStringLiteral("FIncExcInd"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Inclusão/Exclusão de um Militar "));
    escolha = new TFEscolherSv(s, this);

    auto* coluna = new QVBoxLayout(this);
    auto* dados = new QGridLayout;
    dados->addWidget(Rotulo(this, "Label1", QStringLiteral("Número")), 0, 0);
    edit1 = new QLineEdit(this);
    edit1->setObjectName(QStringLiteral("Edit1"));
    edit1->installEventFilter(this);
    connect(edit1, &QLineEdit::textChanged, this, &TFIncExcInd::NumeroAlterado);
    dados->addWidget(edit1, 0, 1);
    label7 = Rotulo(this, "Label7", QString());
    label4 = Rotulo(this, "Label4", QString());
    dados->addWidget(label4, 0, 2);
    dados->addWidget(label7, 0, 3);

    label2 = Rotulo(this, "Label2", QStringLiteral("Nome"));
    dados->addWidget(label2, 1, 0);
    edit2 = new QLineEdit(this);
    edit2->setObjectName(QStringLiteral("Edit2"));
    dados->addWidget(edit2, 1, 1, 1, 3);
    label3 = Rotulo(this, "Label3", QStringLiteral("Pst/Grd"));
    dados->addWidget(label3, 2, 0);
    comboBox1 = new QComboBox(this);
    comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1->setMaxVisibleItems(30);
    dados->addWidget(comboBox1, 2, 1);
    coluna->addLayout(dados);

    coluna->addWidget(Rotulo(this, "Label5", QStringLiteral("Inclusão/Exclusão no Sistema")));
    QFrame* panel1 = Painel(this, "Panel1");
    auto* linha1 = new QHBoxLayout(panel1);
    bIncluir = Botao(panel1, "BIncluir", QStringLiteral("Incluir "));
    bIncluir->installEventFilter(this);
    auto* bExcluir = Botao(panel1, "BExcluir", QStringLiteral("Excluir"));
    linha1->addWidget(bIncluir);
    linha1->addWidget(bExcluir);
    coluna->addWidget(panel1);
    connect(bIncluir, &QPushButton::clicked, this, &TFIncExcInd::Incluir);
    connect(bExcluir, &QPushButton::clicked, this, &TFIncExcInd::Excluir);

    coluna->addWidget(Rotulo(this, "Label6", QStringLiteral("Inclusão/Exclusão em Serviços")));
    QFrame* panel2 = Painel(this, "Panel2");
    auto* linha2 = new QHBoxLayout(panel2);
    auto* bEscolher = Botao(panel2, "BEscolher", QStringLiteral("Escolher"));
    bGravar = Botao(panel2, "BGravar", QStringLiteral("Gravar"));
    linha2->addWidget(bEscolher);
    linha2->addWidget(bGravar);
    coluna->addWidget(panel2);
    connect(bEscolher, &QPushButton::clicked, this, &TFIncExcInd::Escolher);
    connect(bGravar, &QPushButton::clicked, this, &TFIncExcInd::Gravar);

    auto* sair = Botao(this, "Button4", QStringLiteral("Sair"));
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
    coluna->addWidget(sair, 0, Qt::AlignRight);
}

void TFIncExcInd::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    edit1->setFocus();
    sessao.Abre();
    comboBox1->clear();
    Tenta(sis.dialogos, [&] { comboBox1->addItems(sis.pasta.LePstGrd()); });
    comboBox1->setCurrentIndex(-1);
    edit2->clear();
    bGravar->setEnabled(false);
    EscondeDados();
    QDialog::showEvent(evento);
}

void TFIncExcInd::EscondeDados() {
    for (QWidget* w : {static_cast<QWidget*>(label7), static_cast<QWidget*>(label4),
                       static_cast<QWidget*>(comboBox1), static_cast<QWidget*>(edit2)})
        w->hide();
}

void TFIncExcInd::NumeroAlterado() {
    // The name shown for "Número já existente no Sistema" is not the next
    // number's.
    if (nomeDoExistente) {
        edit2->clear();
        comboBox1->setCurrentIndex(-1);
        nomeDoExistente = false;
    }
    sessao.NumeroMudou();
}

void TFIncExcInd::ProcuraNumero() {
    if (edit1->text().isEmpty())
        return;
    Tenta(sis.dialogos, [&] {
        const std::optional<TipoVetBas> militar = ProcuraMilitar(sis, edit1->text());
        label7->setVisible(militar.has_value());
        label4->setVisible(militar.has_value());
        comboBox1->setVisible(!militar);
        edit2->setVisible(!militar);
        if (militar) {
            label7->setText(militar->Nome);
            label4->setText(militar->PstGrd);
        }
    });
}

void TFIncExcInd::Incluir() {
    Inclusao inclusao;
    Tenta(sis.dialogos, [&] {
        inclusao = IncluiMilitar(sis, edit1->text(), edit2->text(), comboBox1->currentText());
    });
    if (inclusao.Resultado == ResultadoInclusao::JaExistente) {
        edit2->setText(inclusao.Nome);
        nomeDoExistente = true;
        return;
    }
    if (inclusao.Resultado != ResultadoInclusao::Incluido)
        return;
    edit2->clear();
    comboBox1->setCurrentIndex(-1);
    edit1->setFocus();
    sessao.Incluiu();
}

void TFIncExcInd::Excluir() {
    ResultadoExclusao resultado = ResultadoExclusao::Recusado;
    Tenta(sis.dialogos, [&] { resultado = ExcluiMilitar(sis, edit1->text()); });
    if (resultado == ResultadoExclusao::NaoEncontrado) {
        edit1->clear();
        edit2->clear();
        return;
    }
    if (resultado != ResultadoExclusao::Excluido)
        return;
    // The removal recorded the person's duties (none) on its way.
    sessao.Gravou();
    edit1->clear();
    edit2->clear();
    comboBox1->setCurrentIndex(-1);
    edit1->setFocus();
}

void TFIncExcInd::Escolher() {
    const bool primeira = sessao.Escolhe();
    const bool lida = Tenta(sis.dialogos, [&] {
        const QString lista = ListaSvDoMilitar(sis, edit1->text());
        for (const QString& k : lista.split(QLatin1Char(','), Qt::SkipEmptyParts))
            escolha->Marca(k.toInt());
    });
    if (!lida)
        return;
    if (primeira)
        escolha->MostraNota();
    escolha->exec();
    bGravar->setEnabled(true);
    escolha->MostraNota(false);
}

void TFIncExcInd::Gravar() {
    sessao.Gravou();
    ResultadoGravacao resultado = ResultadoGravacao::Recusado;
    Tenta(sis.dialogos, [&] { resultado = GravaServicosDoMilitar(sis, edit1->text()); });
    if (resultado == ResultadoGravacao::NaoCadastrado) {
        bGravar->setEnabled(false);
        return;
    }
    if (resultado != ResultadoGravacao::Gravado)
        return;
    edit1->clear();
    edit1->setFocus();
}

void TFIncExcInd::done(int resultado) {
    sessao.Fecha();
    QDialog::done(resultado);
}

bool TFIncExcInd::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == edit1) {
        if (evento->type() == QEvent::Leave) {
            ProcuraNumero();
        } else if (evento->type() == QEvent::MouseButtonPress) {
            EscondeDados();
        } else if (evento->type() == QEvent::KeyPress) {
            // Leaving the number by keyboard looks it up as the mouse does,
            // before the focus moves on (to the name, once it is shown).
            const int tecla = static_cast<QKeyEvent*>(evento)->key();
            if (tecla == Qt::Key_Tab || tecla == Qt::Key_Backtab)
                ProcuraNumero();
            if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
                ProcuraNumero();
                focusNextChild();
                return true;
            }
        }
    } else if (objeto == bIncluir && evento->type() == QEvent::FocusOut) {
        const auto razao = static_cast<QFocusEvent*>(evento)->reason();
        if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason)
            edit2->clear();
    }
    return QDialog::eventFilter(objeto, evento);
}
