#include "maintenance/TFIncExcAltSv.h"

#include "base/ConsultaF1Qt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "maintenance/RelacaoServicosQt.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString avisoQuantidade =
    QStringLiteral("  É possível escalar mais de 24 militares por dia, entretanto isso poderá\n"
                   "ultrapassar a capacidade (120 posições)da coluna NUMERO do arquivo \n"
                   "Histórico.\n\n                   Clicar no formulário atual para ler o Manual");

} // namespace

TFIncExcAltSv::TFIncExcAltSv(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FIncExcAltSv"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Cadastro dos Serviços"));

    auto* principal = new QHBoxLayout(this);
    auto* coluna = new QVBoxLayout;
    principal->addLayout(coluna);

    auto* titulo = new QLabel(QStringLiteral("Cadastro dos Serviços"), this);
    titulo->setObjectName(QStringLiteral("Label7"));
    QFont fonte = titulo->font();
    fonte.setPointSize(fonte.pointSize() + 4);
    fonte.setBold(true);
    titulo->setFont(fonte);
    coluna->addWidget(titulo);

    radioGroup1 = new QGroupBox(this);
    radioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    radioGroup1->installEventFilter(this);
    auto* linhaModos = new QHBoxLayout(radioGroup1);
    grupoModos = new QButtonGroup(this);
    const std::array<ModoServico, 3> modosDosBotoes = {ModoServico::Incluir, ModoServico::Excluir,
                                                       ModoServico::Alterar};
    const QStringList nomesModos = {QStringLiteral("Incluir"), QStringLiteral("Excluir"),
                                    QStringLiteral("Alterar")};
    for (int i = 0; i < 3; ++i) {
        modos[i] = new QRadioButton(nomesModos[i], radioGroup1);
        modos[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        grupoModos->addButton(modos[i]);
        linhaModos->addWidget(modos[i]);
        const ModoServico modo = modosDosBotoes[i];
        connect(modos[i], &QRadioButton::clicked, this, [this, modo] { EscolheModo(modo); });
    }
    coluna->addWidget(radioGroup1);

    // Edit4 (priority) and its label stay hidden: priorities are computed
    // elsewhere and this form only keeps the value.
    const std::array<const char*, 8> nomesRotulos = {"",       "Label1", "Label2", "Label3",
                                                     "Label4", "Label5", "Label6", "Label9"};
    const QStringList textos = {QString(),
                                QStringLiteral("Código"),
                                QStringLiteral("Descrição"),
                                QStringLiteral("Quantidade"),
                                QStringLiteral("Prioridade"),
                                QStringLiteral("Início do Serviço"),
                                QStringLiteral("Final do Serviço"),
                                QStringLiteral("Folga")};
    auto* campos = new QGridLayout;
    for (int i = 1; i <= 7; ++i) {
        rotulos[i] = new QLabel(textos[i], this);
        rotulos[i]->setObjectName(QLatin1String(nomesRotulos[i]));
        edits[i] = new QLineEdit(this);
        edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i));
        campos->addWidget(rotulos[i], i, 0);
        campos->addWidget(edits[i], i, 1);
    }
    rotulos[4]->hide();
    edits[4]->hide();
    edits[7]->setToolTip(QStringLiteral("1 = 24 h  ,  2 = 48 h "));
    connect(edits[1], &QLineEdit::textChanged, this, &TFIncExcAltSv::CodigoAlterado);
    edits[3]->installEventFilter(this);
    coluna->addLayout(campos);

    rgTipoSv = new QGroupBox(QStringLiteral("Tipo da Escala"), this);
    rgTipoSv->setObjectName(QStringLiteral("RGTipoSv"));
    auto* linhasTipo = new QVBoxLayout(rgTipoSv);
    const QStringList itens = {
        QStringLiteral("Preta + Vermelha ....   (dias COM e SEM expediemte)"),
        QStringLiteral("Preta ..................    (somente dias COM expediente)"),
        QStringLiteral("Vermelha ..............   (somente dias  SEM expediente)")};
    for (int i = 0; i < 3; ++i) {
        tipos[i] = new QRadioButton(itens[i], rgTipoSv);
        tipos[i]->setObjectName(QStringLiteral("RGTipoSvItem%1").arg(i));
        linhasTipo->addWidget(tipos[i]);
    }
    coluna->addWidget(rgTipoSv);

    auto* botoes = new QHBoxLayout;
    button1 = new QPushButton(QStringLiteral("Botão de gravação"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button2 = new QPushButton(QStringLiteral("Limpar"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    auto* button3 = new QPushButton(QStringLiteral("Sair"), this);
    button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton* b : {button1, button2, button3}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    connect(button1, &QPushButton::clicked, this, &TFIncExcAltSv::Grava);
    connect(button2, &QPushButton::clicked, this, &TFIncExcAltSv::Limpa);
    connect(button3, &QPushButton::clicked, this, &QDialog::close);
    coluna->addLayout(botoes);
    coluna->addStretch();

    // The list of duties is painted on the form itself, over this empty area.
    areaRelacao = new QWidget(this);
    areaRelacao->setObjectName(QStringLiteral("AreaRelacao"));
    areaRelacao->setMinimumSize(TamanhoRelacaoServicos(font()));
    principal->addWidget(areaRelacao, 1);
}

ModoServico TFIncExcAltSv::Modo() const {
    if (modos[0]->isChecked())
        return ModoServico::Incluir;
    if (modos[1]->isChecked())
        return ModoServico::Excluir;
    if (modos[2]->isChecked())
        return ModoServico::Alterar;
    return ModoServico::Nenhum;
}

void TFIncExcAltSv::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    Tenta(sis.dialogos, [&] { CarregaVetSv(sis, Banco::Principal); });
    DefineItemTipo(0);
    DesmarcaModos();
    for (int i = 1; i <= 7; ++i) {
        edits[i]->setEnabled(false);
        rotulos[i]->setEnabled(false);
    }
    button1->setEnabled(false);
    button2->setEnabled(false);
    QDialog::showEvent(evento);
}

void TFIncExcAltSv::EscolheModo(ModoServico modo) {
    const bool todos = modo != ModoServico::Excluir;
    for (int i = 1; i <= 7; ++i) {
        edits[i]->setEnabled(todos || i == 1);
        rotulos[i]->setEnabled(todos || i == 1);
    }
    button1->setEnabled(true);
    button2->setEnabled(true);
    edits[1]->setFocus();
    switch (modo) {
    case ModoServico::Incluir:
        edits[5]->setText(QStringLiteral("01/01/00"));
        edits[6]->setText(QStringLiteral("01/01/50"));
        edits[7]->setText(QStringLiteral("2"));
        button1->setText(QStringLiteral("Efetivar Inclusão"));
        break;
    case ModoServico::Excluir:
        button1->setText(QStringLiteral("Efetivar Exclusão"));
        break;
    case ModoServico::Alterar:
        button1->setText(QStringLiteral("Efetivar Alteração"));
        break;
    case ModoServico::Nenhum:
        break;
    }
}

void TFIncExcAltSv::CodigoAlterado() {
    const ModoServico modo = Modo();
    if (modo != ModoServico::Excluir && modo != ModoServico::Alterar)
        return;
    // A text that is not a code of 1 to 30 shows nothing; the recording refuses it.
    const int cod = CodigoServico(edits[1]->text());
    if (cod != 0)
        Mostra(CamposDoServico(sis, cod));
}

void TFIncExcAltSv::Mostra(const CamposServico& c) {
    edits[2]->setText(c.Descricao);
    edits[3]->setText(c.Quantidade);
    edits[4]->setText(c.Prioridade);
    edits[5]->setText(c.Inicio);
    edits[6]->setText(c.Fim);
    edits[7]->setText(c.Folga);
    DefineItemTipo(c.Tipo);
}

void TFIncExcAltSv::SaiQuantidade() {
    bool ok = false;
    const int quant = edits[3]->text().trimmed().toInt(&ok);
    if (ok && quant > 24)
        sis.dialogos.Aviso(avisoQuantidade);
}

CamposServico TFIncExcAltSv::Campos() const {
    CamposServico c;
    c.Codigo = edits[1]->text();
    c.Descricao = edits[2]->text();
    c.Quantidade = edits[3]->text();
    c.Prioridade = edits[4]->text();
    c.Inicio = edits[5]->text();
    c.Fim = edits[6]->text();
    c.Folga = edits[7]->text();
    c.Tipo = ItemTipo();
    return c;
}

void TFIncExcAltSv::Grava() {
    ResultadoServico resultado = ResultadoServico::Recusado;
    Tenta(sis.dialogos, [&] { resultado = EfetivaServico(sis, Modo(), Campos()); });
    if (resultado == ResultadoServico::CodigoExistente) {
        Mostra(CamposDoServico(sis, CodigoServico(edits[1]->text())));
        return;
    }
    if (resultado != ResultadoServico::Gravado)
        return;
    LimpaCampos();
    button1->setEnabled(false);
    button2->setEnabled(false);
    DesmarcaModos();
    DefineItemTipo(0);
    update();
}

void TFIncExcAltSv::Limpa() {
    DesmarcaModos();
    LimpaCampos();
    button1->setEnabled(false);
}

void TFIncExcAltSv::LimpaCampos() {
    for (int i = 1; i <= 7; ++i) {
        edits[i]->clear();
        edits[i]->setEnabled(false);
        rotulos[i]->setEnabled(false);
    }
}

void TFIncExcAltSv::DesmarcaModos() {
    grupoModos->setExclusive(false);
    for (QRadioButton* b : modos)
        b->setChecked(false);
    grupoModos->setExclusive(true);
}

int TFIncExcAltSv::ItemTipo() const {
    for (int i = 0; i < 3; ++i)
        if (tipos[i]->isChecked())
            return i;
    return 0;
}

void TFIncExcAltSv::DefineItemTipo(int item) {
    tipos[item >= 0 && item < 3 ? item : 0]->setChecked(true);
}

bool TFIncExcAltSv::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == edits[3] && evento->type() == QEvent::FocusOut) {
        // Leaving the field for another control of the form; not the form
        // losing the focus to a message box or another window.
        const auto razao = static_cast<QFocusEvent*>(evento)->reason();
        if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason)
            SaiQuantidade();
    } else if (objeto == radioGroup1 && evento->type() == QEvent::MouseButtonPress) {
        DefineItemTipo(0);
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFIncExcAltSv::paintEvent(QPaintEvent* evento) {
    QDialog::paintEvent(evento);
    QPainter p(this);
    PintaRelacaoServicos(p, areaRelacao->geometry(), sis, font());
}
