#include "engine/TFAbaEscalarAutomatico.h"

#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "engine/Escalacao.h"
#include "engine/FluxoEscala.h"
#include "engine/JanelasEscalaQt.h"
#include "engine/Previsao.h"
#include "engine/TFAvisoVerificar.h"
#include "engine/TFEscVmEsp.h"
#include "engine/TFExplicacaoVaga.h"
#include "model/Sistema.h"
#include "reports/Impressao.h"
#include "reports/TFImpressao.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QListWidget* Lista(QWidget* pai, const char* nome) {
    auto* l = Nomeado(new QListWidget(pai), nome);
    QFont f(QStringLiteral("Monospace"));
    f.setStyleHint(QFont::TypeWriter);
    l->setFont(f);
    // A line wider than the list is scrolled to, and shown whole in its tooltip.
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    l->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    return l;
}

void MostraLinhas(QListWidget* lista, const QStringList& linhas) {
    if (lista->count() == linhas.size()) {
        bool iguais = true;
        for (int i = 0; i < linhas.size() && iguais; ++i)
            iguais = lista->item(i)->text() == linhas[i];
        if (iguais)
            return;
    }
    lista->clear();
    lista->addItems(linhas);
    for (int i = 0; i < lista->count(); ++i) {
        QListWidgetItem* item = lista->item(i);
        if (!item->text().trimmed().isEmpty())
            item->setToolTip(item->text().trimmed());
    }
}

} // namespace

TFAbaEscalarAutomatico::TFAbaEscalarAutomatico(Sistema& s, QWidget* area) : QWidget(area), sis(s) {
    setObjectName(QStringLiteral("AbaEscalarAutomatico"));
    setMouseTracking(true);
    auto* externo = new QVBoxLayout(parentWidget());
    externo->setContentsMargins(0, 0, 0, 0);
    externo->addWidget(this);

    auto* layout = new QVBoxLayout(this);
    auto* topo = new QGridLayout;
    topo->addWidget(Nomeado(new QLabel(QStringLiteral("Última Escalação:"), this), "Label39"), 0,
                    0);
    lUltimaEscala = Nomeado(new QLabel(this), "LUltimaEscala");
    topo->addWidget(lUltimaEscala, 0, 1);
    topo->addWidget(Nomeado(new QLabel(QStringLiteral("Escalar até: "), this), "Label40"), 1, 0);
    edit1 = Nomeado(new QLineEdit(this), "Edit1");
    edit1->setMaximumWidth(110);
    edit1->installEventFilter(this);
    topo->addWidget(edit1, 1, 1);
    auto* botoes = new QHBoxLayout;
    button6 = Botao(this, "Button6", QStringLiteral("Verificar"));
    bPrever = Botao(this, "BPrever", QStringLiteral("Prever"));
    bEscalar = Botao(this, "BEscalar", QStringLiteral("Escalar"));
    bDesfazer = Botao(this, "BDesfazer", QStringLiteral("Desfazer"));
    bEscVmEsp = Botao(this, "BEscVmEsp", QStringLiteral("Escala Vm"));
    for (QPushButton* b : {button6, bPrever, bEscalar, bDesfazer, bEscVmEsp})
        botoes->addWidget(b);
    botoes->addStretch();
    topo->addLayout(botoes, 1, 2);
    topo->setColumnStretch(2, 1);
    layout->addLayout(topo);

    // The wait panel and the reminder FAvisoVerificar share a band of their
    // own under the buttons, kept when the panel is hidden: neither moves nor
    // covers the lists.
    pAvisoAguarde =
        Nomeado(new QLabel(QStringLiteral("Aguarde alguns instantes ..."), this), "PAvisoAguarde");
    pAvisoAguarde->setFrameShape(QFrame::Panel);
    pAvisoAguarde->setAlignment(Qt::AlignCenter);
    QFont letraAguarde = pAvisoAguarde->font();
    letraAguarde.setBold(true);
    pAvisoAguarde->setFont(letraAguarde);
    QSizePolicy guardaLugar = pAvisoAguarde->sizePolicy();
    guardaLugar.setRetainSizeWhenHidden(true);
    pAvisoAguarde->setSizePolicy(guardaLugar);
    pAvisoAguarde->setFixedHeight(3 * pAvisoAguarde->fontMetrics().height() + 8);
    pAvisoAguarde->hide();
    layout->addWidget(pAvisoAguarde);

    auto* listas = new QHBoxLayout;
    auto* escala = new QVBoxLayout;
    escala->addWidget(Nomeado(new QLabel(QStringLiteral("Escala"), this), "Label56"));
    listBox2 = Lista(this, "ListBox2");
    escala->addWidget(listBox2);
    listas->addLayout(escala, 3);
    auto* mensagens = new QVBoxLayout;
    auto* cabecalho = new QHBoxLayout;
    cabecalho->addWidget(Nomeado(new QLabel(QStringLiteral("Mensagens"), this), "Label7"));
    auto* button5 = Botao(this, "Button5", QStringLiteral("Erros"));
    auto* button13 = Botao(this, "Button13", QStringLiteral("Alertas"));
    cabecalho->addWidget(button5);
    cabecalho->addWidget(button13);
    cabecalho->addStretch();
    mensagens->addLayout(cabecalho);
    listBox5 = Lista(this, "ListBox5");
    listBox6 = Lista(this, "ListBox6");
    mensagens->addWidget(listBox5);
    mensagens->addWidget(listBox6);
    auto* grupo =
        Nomeado(new QGroupBox(QStringLiteral("              Imprimir"), this), "RadioGroup1");
    auto* imprimir = new QHBoxLayout(grupo);
    radioButton3 = Nomeado(new QRadioButton(QStringLiteral("Escala"), grupo), "RadioButton3");
    radioButton4 = Nomeado(new QRadioButton(QStringLiteral("Erros"), grupo), "RadioButton4");
    radioButton7 = Nomeado(new QRadioButton(QStringLiteral("Alertas"), grupo), "RadioButton7");
    for (QRadioButton* r : {radioButton3, radioButton4, radioButton7}) {
        imprimir->addWidget(r);
        // A choice acts when it becomes checked; clicking the checked one does nothing.
        connect(r, &QRadioButton::toggled, this, [this, r](bool marcado) {
            if (marcado && !sincronizando)
                Imprime(r);
        });
    }
    fImpressao = std::make_unique<TFImpressao>(sis);
    fExplicacao = new TFExplicacaoVaga(this);
    // A double click on an error line: why nobody took that slot.
    connect(listBox5, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const auto linhas = sis.ExplicacoesDasVagas.constFind(item->text());
        if (linhas != sis.ExplicacoesDasVagas.cend())
            fExplicacao->Mostra(item->text(), *linhas);
    });
    mensagens->addWidget(grupo);
    listas->addLayout(mensagens, 2);
    layout->addLayout(listas, 1);

    janelas =
        std::make_unique<JanelasEscalaQt>(sis, button6, pAvisoAguarde, [this] { Sincroniza(); });
    // The steps the workflow runs by itself, as hidden buttons.
    auto* bPreverVm = Botao(this, "BPreverVm", QStringLiteral("PreVm"));
    auto* button2 = Botao(this, "Button2", QStringLiteral("Executa Label3"));
    for (QPushButton* b : {bPreverVm, button2})
        b->hide();
    connect(bPreverVm, &QPushButton::clicked, this,
            [this] { Executa([this] { PreverVermelha(sis, *janelas); }); });
    connect(button2, &QPushButton::clicked, this, &TFAbaEscalarAutomatico::Mostrada);

    connect(button6, &QPushButton::clicked, this, &TFAbaEscalarAutomatico::Verifica);
    connect(bPrever, &QPushButton::clicked, this, &TFAbaEscalarAutomatico::Preve);
    connect(bEscalar, &QPushButton::clicked, this, &TFAbaEscalarAutomatico::Escala);
    connect(bDesfazer, &QPushButton::clicked, this, &TFAbaEscalarAutomatico::Descarta);
    connect(bEscVmEsp, &QPushButton::clicked, this, &TFAbaEscalarAutomatico::EscolheVermelhas);
    connect(button5, &QPushButton::clicked, this,
            [this] { Executa([this] { MostraErros(sis, true); }); });
    connect(button13, &QPushButton::clicked, this,
            [this] { Executa([this] { MostraErros(sis, false); }); });
    connect(edit1, &QLineEdit::textEdited, this, [this](const QString& t) { sis.Aba.Edit1 = t; });
    Sincroniza();
}

TFAbaEscalarAutomatico::~TFAbaEscalarAutomatico() = default;

template <typename Operacao> void TFAbaEscalarAutomatico::Executa(Operacao&& operacao) {
    Tenta(sis.dialogos, std::forward<Operacao>(operacao));
    Sincroniza();
}

void TFAbaEscalarAutomatico::Sincroniza() {
    const AbaAutomatica& a = sis.Aba;
    lUltimaEscala->setText(sis.UltimaEscala.Texto());
    if (edit1->text() != a.Edit1)
        edit1->setText(a.Edit1);
    edit1->setEnabled(a.Edit1Habilitado);
    button6->setVisible(a.Button6Visivel);
    bPrever->setVisible(a.BPreverVisivel);
    bEscalar->setVisible(a.BEscalarVisivel);
    bDesfazer->setVisible(a.BDesfazerVisivel);
    bEscVmEsp->setVisible(a.BEscVmEspVisivel);
    listBox5->setVisible(a.ErrosVisiveis);
    listBox6->setVisible(!a.ErrosVisiveis);
    sincronizando = true;
    for (auto [botao, marcado] :
         {std::pair{radioButton3, a.RadioButton3}, std::pair{radioButton4, a.RadioButton4},
          std::pair{radioButton7, a.RadioButton7}}) {
        botao->setAutoExclusive(false);
        botao->setChecked(marcado);
        botao->setAutoExclusive(true);
    }
    sincronizando = false;
    MostraLinhas(listBox2, sis.ListBox2);
    MostraLinhas(listBox5, sis.ListBox5);
    MostraLinhas(listBox6, sis.ListBox6);
}

void TFAbaEscalarAutomatico::AplicaCores() {
    for (QListWidget* l : {listBox2, listBox5, listBox6})
        PintaFundo(l, CorDoSlot(sis.SlotsCores, 3));
}

void TFAbaEscalarAutomatico::Mostrada() {
    Executa([this] { MostraAbaEscalar(sis, *janelas); });
}

bool TFAbaEscalarAutomatico::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == edit1 && evento->type() == QEvent::MouseButtonPress && edit1->isEnabled())
        Reinicia();
    return QWidget::eventFilter(objeto, evento);
}

void TFAbaEscalarAutomatico::mouseMoveEvent(QMouseEvent* evento) {
    janelas->FAvisoVerificar->TrazParaFrente();
    QWidget::mouseMoveEvent(evento);
}

void TFAbaEscalarAutomatico::Reinicia() {
    Executa([this] { ReiniciaEscala(sis); });
    edit1->setFocus();
}

void TFAbaEscalarAutomatico::Verifica() {
    Executa([this] { Verificar(sis, *janelas); });
}

void TFAbaEscalarAutomatico::Preve() {
    Executa([this] { Prever(sis, *janelas); });
}

void TFAbaEscalarAutomatico::Escala() {
    Executa([this] { EscalaOuDescarta(sis); });
    emit UltimaEscalaMudou();
}

void TFAbaEscalarAutomatico::Descarta() {
    Executa([this] { DescartaEscala(sis, *janelas); });
}

void TFAbaEscalarAutomatico::EscolheVermelhas() {
    janelas->FEscVmEsp->exec();
    sis.Aba.BEscVmEspVisivel = false;
    Sincroniza();
    // The end day is typed next: the focus goes back to the field, without
    // the reset a click in it would make.
    edit1->setFocus(Qt::OtherFocusReason);
}

void TFAbaEscalarAutomatico::Imprime(QRadioButton* escolha) {
    AbaAutomatica& a = sis.Aba;
    a.RadioButton3 = escolha == radioButton3;
    a.RadioButton4 = escolha == radioButton4;
    a.RadioButton7 = escolha == radioButton7;
    if (escolha == radioButton3) {
        Sincroniza();
        fImpressao->Abre();
        a.RadioButton3 = false;
    } else {
        const bool erros = escolha == radioButton4;
        const bool impresso = Tenta(sis.dialogos, [&] {
            ImprimeLista(sis.impressora,
                         erros ? QStringLiteral("Erros") : QStringLiteral("Alertas"),
                         erros ? sis.ListBox5 : sis.ListBox6);
        });
        // A print that failed can be asked again.
        if (!impresso)
            (erros ? a.RadioButton4 : a.RadioButton7) = false;
    }
    Sincroniza();
}
