#include "shell/TFPrincipal.h"

#include "base/ConsultaF1Qt.h"
#include "base/CoresQt.h"
#include "base/Falha.h"
#include "base/Tenta.h"
#include "calendar/TFSemExped.h"
#include "data/TFBackup.h"
#include "data/TFCopiaSeg.h"
#include "data/TFDiaPrimEscala.h"
#include "data/TFInicReinicSist.h"
#include "engine/Contadores.h"
#include "engine/Escalacao.h"
#include "engine/FluxoEscala.h"
#include "engine/JanelasEscalaQt.h"
#include "engine/Prioridades.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "engine/TFAbaEscalarManual.h"
#include "engine/TFAbaTrocas.h"
#include "engine/TFEscVm.h"
#include "engine/TFEscVmEsp.h"
#include "engine/TFForaEscSgte.h"
#include "engine/TFObrigaEscSgte.h"
#include "engine/TFRetiraAlguem.h"
#include "maintenance/ItensManutencao.h"
#include "maintenance/TFCarOrdAntig.h"
#include "maintenance/TFCorrigePstGrd.h"
#include "maintenance/TFEditaTabelas.h"
#include "maintenance/TFEditaTabelasPrimEscala.h"
#include "maintenance/TFIncExcAltSv.h"
#include "maintenance/TFIncExcCol.h"
#include "maintenance/TFIncExcInd.h"
#include "maintenance/TFListaNumNomes.h"
#include "maintenance/TFModelosPstGrd.h"
#include "maintenance/TFSaiEscTemp.h"
#include "maintenance/TFVoltaParaEsc.h"
#include "model/Sistema.h"
#include "reports/TFImpressao.h"
#include "reports/TFPesqSv.h"
#include "reports/TFQuadroEscalas.h"
#include "reports/TFQuadroSv.h"
#include "reports/TFQuantMilSvDia.h"
#include "reports/TFRegistroAlteracoes.h"
#include "shell/Capa.h"
#include "shell/Inicio.h"
#include "shell/Manual.h"
#include "shell/TFAbaConsultas.h"
#include "shell/TFAbaManutencao.h"
#include "shell/TFAbaPrimeiraUtilizacao.h"
#include "shell/TFAlteraCores.h"
#include "shell/TFAlterarFoto.h"
#include "shell/TFEscolherFoto.h"
#include "shell/TFManual.h"
#include "shell/TFPreencheCapa.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPixmap CarregaFigura(const Sistema& s, const QString& nome) {
    const QString caminho = s.pasta.Caminho(nome);
    QPixmap figura;
    if (!QFileInfo::exists(caminho))
        throw Falha(QStringLiteral("Figura não encontrada: %1").arg(caminho));
    if (!figura.load(caminho))
        throw Falha(QStringLiteral("Não foi possível carregar a figura %1").arg(caminho));
    return figura;
}

QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto, int pontos, bool negrito) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(QLatin1String(nome));
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setPointSize(pontos);
    f.setBold(negrito);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("QLabel { background: transparent; color: #102040; }"));
    return l;
}

} // namespace

TFPrincipal::TFPrincipal(Sistema& s, Inicio& inicio, QWidget* pai) : QWidget(pai), sis(s) {
    setObjectName(QStringLiteral("FPrincipal"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Página Principal da Aplicação"));
    resize(1000, 700);
    auto* layout = new QVBoxLayout(this);
    paginas = new QTabWidget(this);
    paginas->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(paginas);

    MontaCapa();
    MontaAba(QStringLiteral("TabSheet3"), QStringLiteral("Escalar Automático"),
             QStringLiteral("Image2"));
    MontaAba(QStringLiteral("TabSheet6"), QStringLiteral("Escalar Manual"),
             QStringLiteral("Image4"));
    MontaAba(QStringLiteral("TabSheet4"), QStringLiteral("Trocas Sv"), QStringLiteral("Image5"));
    MontaAba(QStringLiteral("TabSheet2"), QStringLiteral("Manutenção"), QStringLiteral("Image6"));
    MontaAba(QStringLiteral("TabSheet1"), QStringLiteral("Consultas"), QStringLiteral("Image3"));
    MontaAba(QStringLiteral("TabSheet5"), QStringLiteral("Primeira Utilização"),
             QStringLiteral("Image7"));
    abaEscalar = new TFAbaEscalarAutomatico(sis, ConteudoAba(QStringLiteral("TabSheet3")));
    connect(abaEscalar, &TFAbaEscalarAutomatico::UltimaEscalaMudou, this,
            [this] { MostraUltimaEscala(sis.UltimaEscala); });
    connect(this, &TFPrincipal::CoresAplicadas, abaEscalar, &TFAbaEscalarAutomatico::AplicaCores);
    connect(this, &TFPrincipal::UltimaEscalaMudou, abaEscalar, &TFAbaEscalarAutomatico::Sincroniza);
    abaManual = new TFAbaEscalarManual(sis, ConteudoAba(QStringLiteral("TabSheet6")),
                                       abaEscalar->Janelas());
    connect(abaManual, &TFAbaEscalarManual::UltimaEscalaMudou, this,
            [this] { MostraUltimaEscala(sis.UltimaEscala); });
    connect(this, &TFPrincipal::UltimaEscalaMudou, abaManual, &TFAbaEscalarManual::Sincroniza);
    abaTrocas = new TFAbaTrocas(sis, ConteudoAba(QStringLiteral("TabSheet4")));
    connect(paginas, &QTabWidget::currentChanged, this, [this](int) {
        if (paginas->currentWidget() == abaEscalar->parentWidget()->parentWidget())
            abaEscalar->Mostrada();
    });
    abaManutencao = new TFAbaManutencao(*this);
    abaConsultas = new TFAbaConsultas(*this);
    abaPrimeira = new TFAbaPrimeiraUtilizacao(*this);
    CriaTelas(inicio);
    LigaManual();

    PassosIniciais(inicio);
}

void TFPrincipal::MontaCapa() {
    auto* capa = new QWidget;
    capa->setObjectName(QStringLiteral("TabSheet7"));
    auto* grade = new QGridLayout(capa);
    image1 = new QLabel(capa);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setAlignment(Qt::AlignCenter);
    image1->setMinimumSize(1, 1);
    grade->addWidget(image1, 0, 0);

    auto* textos = new QVBoxLayout;
    label20 = Rotulo(capa, "Label20", QStringLiteral("Devedo Vuredod"), 20, true);
    label16 = Rotulo(capa, "Label16", QString(), 16, true);
    auto* label21 = Rotulo(capa, "Label21", QStringLiteral("Tarvolim 4.0"), 28, true);
    label24 = Rotulo(capa, "Label24", QStringLiteral("Segurança em Nossas Fronteiras"), 14, false);
    label25 = Rotulo(capa, "Label25", QStringLiteral("Brasil"), 14, false);
    auto* sair = new QPushButton(QStringLiteral("Sair"), capa);
    sair->setObjectName(QStringLiteral("Sair"));
    connect(sair, &QPushButton::clicked, this, &QWidget::close);
    textos->addWidget(label20);
    textos->addWidget(label16);
    textos->addStretch();
    textos->addWidget(label21);
    textos->addStretch();
    textos->addWidget(label24);
    textos->addWidget(label25);
    textos->addWidget(sair, 0, Qt::AlignRight);
    grade->addLayout(textos, 0, 0);
    paginas->addTab(capa, QStringLiteral("Capa"));
}

QWidget* TFPrincipal::MontaAba(const QString& nome, const QString& titulo, const QString& imagem) {
    auto* aba = new QWidget;
    aba->setObjectName(nome);
    auto* linha = new QHBoxLayout(aba);
    auto* conteudo = new QWidget(aba);
    conteudo->setObjectName(nome + QStringLiteral("Conteudo"));
    linha->addWidget(conteudo, 1);
    auto* figura = new QLabel(aba);
    figura->setObjectName(imagem);
    figura->setAlignment(Qt::AlignTop | Qt::AlignRight);
    linha->addWidget(figura, 0, Qt::AlignTop);
    bandeiras.append(figura);
    conteudos.insert(nome, conteudo);
    paginas->addTab(aba, titulo);
    return conteudo;
}

TFPrincipal::~TFPrincipal() = default;

void TFPrincipal::CriaTelas(Inicio& inicio) {
    // Windows of their own (not children of this one), each created once.
    FSemExped = std::make_unique<TFSemExped>(sis);
    FIncExcInd = std::make_unique<TFIncExcInd>(sis);
    FIncExcAltSv = std::make_unique<TFIncExcAltSv>(sis);
    connect(abaManutencao, &TFAbaManutencao::PeriodoRelido, FSemExped.get(),
            &TFSemExped::MostraPeriodo);
    FPesqSv = std::make_unique<TFPesqSv>(sis);
    FCarOrdAntig = std::make_unique<TFCarOrdAntig>(sis);
    FEditaTabelasPrimEscala = std::make_unique<TFEditaTabelasPrimEscala>(sis);
    FSaiEscTemp = std::make_unique<TFSaiEscTemp>(sis);
    FVoltaParaEsc = std::make_unique<TFVoltaParaEsc>(sis);
    FQuadroSv = std::make_unique<TFQuadroSv>(sis);
    FQuadroEscalas = std::make_unique<TFQuadroEscalas>(sis);
    FRegistroAlteracoes = std::make_unique<TFRegistroAlteracoes>(sis);
    FListaNumNomes = std::make_unique<TFListaNumNomes>(sis);
    FListaNumNomes->AtendeF1();
    FModelosPstGrd = std::make_unique<TFModelosPstGrd>(sis);
    FCorrigePstGrd = std::make_unique<TFCorrigePstGrd>(sis);
    FEditaTabelas = std::make_unique<TFEditaTabelas>(sis);
    FEditaTabelas->DefineCorrecao(*FCorrigePstGrd);
    // The collective screen asks the one correction dialog about unknown ranks.
    FIncExcCol = std::make_unique<TFIncExcCol>(sis, *FCorrigePstGrd);
    FPreencheCapa = std::make_unique<TFPreencheCapa>(sis);
    FAlteraCores = std::make_unique<TFAlteraCores>(sis);
    connect(FAlteraCores.get(), &TFAlteraCores::CoresMudaram, this, &TFPrincipal::AplicaCores);
    const Reinicio::Ambiente reinicio{sis.dm, sis.pasta, sis.dialogos, sis.relogio, sis.SlotsCores};
    FDiaPrimEscala = std::make_unique<TFDiaPrimEscala>(reinicio);
    FInicReinicSist = std::make_unique<TFInicReinicSist>(reinicio);
    // A run on --pasta-dados leaves the user's aliases alone.
    FBackup = std::make_unique<TFBackup>(
        CopiaSeguranca::Ambiente{sis.dm,
                                 sis.pasta,
                                 sis.dialogos,
                                 sis.relogio,
                                 sis.NiveisCapa,
                                 inicio.PastaForcada() ? nullptr : &inicio.AliasesDoSistema(),
                                 sis.SlotsCores,
                                 {},
                                 {}});
    // A load from the main database keeps a duty slot the table no longer
    // holds: the duties are loaded as the backup holds them, every slot
    // emptied first, before the refresh shows the restored register.
    connect(FBackup.get(), &TFBackup::CadastroRecuperado, this, [this] {
        Tenta(sis.dialogos, [this] { CarregaVetSv(sis, Banco::Backup); });
        DepoisDaCopia();
    });
    // The boards narrow to the persons the lookup, modal over them, leaves
    // selected.
    const auto consulta = [this](QWidget* quadro) {
        FListaNumNomes->MostraModal(quadro);
        return FListaNumNomes->NumerosSelecionados();
    };
    FQuadroSv->DefineConsulta(consulta);
    FQuadroEscalas->DefineConsulta(consulta);

    // The action of every menu line, in number order: the maintenance items,
    // then the queries.
    TFAbaManutencao* m = abaManutencao;
    m->DefineAcao(1, [this] { AbreTela(FIncExcAltSv.get()); });
    m->DefineAcao(2, [this] { AbreTela(FIncExcCol.get()); });
    m->DefineAcao(3, [this] { AbreTela(FCarOrdAntig.get()); });
    m->DefineAcao(4, [this] { AbreTela(FEditaTabelasPrimEscala.get()); });
    // A screen that replaced the register ends the program once the working
    // model holds the new register.
    const auto abreEncerrando = [this](auto* tela) {
        AbreTela(tela);
        if (tela->EncerraPrograma())
            Encerra();
    };
    m->DefineAcao(5, [=, this] { abreEncerrando(FInicReinicSist.get()); });
    m->DefineAcao(6, [this] { AbreTela(FSemExped.get()); });
    m->DefineAcao(7, [this] { ExcluiHistoricoAntigo(sis); });
    m->DefineAcao(8, [this] {
        // The undone days leave the automatic tab's listing with the forecast.
        if (DesfazerEscalacao(sis)) {
            ReiniciaEscala(sis);
            abaEscalar->Sincroniza();
        }
        MostraUltimaEscala(sis.UltimaEscala);
    });
    m->DefineAcao(9, [this] { AbreTela(FModelosPstGrd.get()); });
    m->DefineAcao(10, [this] { AbreTela(FSaiEscTemp.get()); });
    m->DefineAcao(11, [this] { AbreTela(FVoltaParaEsc.get()); });
    m->DefineAcao(12, [this] { AbreTela(FEditaTabelas.get()); });
    m->DefineAcao(13, [this] { AbreTela(FPreencheCapa.get()); });
    // A restore has shown the restored register already.
    m->DefineAcao(14, [this] {
        FBackup->exec();
        if (!FBackup->Recuperou())
            DepoisDaCopia();
        if (FBackup->EncerraPrograma())
            Encerra();
    });
    m->DefineAcao(15, [m] { m->MostraPagina(2); });
    m->DefineAcao(16, [this] { AbreTela(FIncExcInd.get()); });
    m->DefineAcao(18, [this, m] {
        m->MostraResultado(CorDoSlot(sis.SlotsCores, 6),
                           [this] { return MilitaresForaDasEscalas(sis); });
    });
    // Palette entry 3 is the platform's info (tooltip) background.
    m->DefineAcao(19, [this, m] {
        m->MostraResultado(CorDaPaleta(3), [this] { return NaoCadastradosNasEscalas(sis); });
    });
    m->DefineAcao(20, [this] { EqualizaContadores(sis); });
    m->DefineAcao(21, [this] { AbreTela(FAlteraCores.get()); });
    m->DefineAcao(22, [this] { AvisoManual(sis); });
    m->DefineAcao(23, [m] { m->MostraPagina(1); });
    m->DefineAcaoPrioridades([this] { CalculaPrioridades(sis); });
    m->DefineAcao(17, [this] { FManual->Abre(QStringLiteral("035")); });
    abaConsultas->DefineAcao(1, [this] { AbreTela(FPesqSv.get()); });
    // The first-use steps open the screens of the maintenance items.
    TFAbaPrimeiraUtilizacao* u = abaPrimeira;
    u->DefineAcao(1, [this] { AbreTela(FIncExcAltSv.get()); });
    u->DefineAcao(2, [this] { AbreTela(FIncExcCol.get()); });
    u->DefineAcao(3, [this] { AbreTela(FCarOrdAntig.get()); });
    u->DefineAcao(4, [this] { AbreTela(FEditaTabelasPrimEscala.get()); });
    u->DefineAcao(5, [=, this] { abreEncerrando(FDiaPrimEscala.get()); });
    u->DefineAcao(6, [this] { AbreTela(FSemExped.get()); });
    abaConsultas->DefineAcao(2, [this] { AbreTela(FQuadroSv.get()); });
    abaConsultas->DefineAcao(3, [this] { AbreTela(FQuadroEscalas.get()); });
    abaConsultas->DefineAcao(4, [this] { AbreTela(FRegistroAlteracoes.get()); });
}

void TFPrincipal::DepoisDaCopia() {
    Tenta(sis.dialogos, [this] { Capa::Le(sis); });
    Atualiza();
    abaManutencao->AtualizaDepoisDaCopia();
}

void TFPrincipal::Encerra() {
    // The windows that may stay open beside this one would keep the program
    // running.
    FManual->close();
    FListaNumNomes->close();
    close();
}

void TFPrincipal::LigaManual() {
    FManual = std::make_unique<TFManual>(sis);
    const std::pair<QWidget*, const char*> telas[] = {
        {paginas->widget(0), "001"},
        {ConteudoAba(QStringLiteral("TabSheet1"))->parentWidget(), "002"},
        {abaConsultas, "002"},
        {ConteudoAba(QStringLiteral("TabSheet3"))->parentWidget(), "003"},
        {abaEscalar, "003"},
        {ConteudoAba(QStringLiteral("TabSheet6"))->parentWidget(), "004"},
        {abaManual, "004"},
        {ConteudoAba(QStringLiteral("TabSheet4"))->parentWidget(), "005"},
        {abaTrocas, "005"},
        {ConteudoAba(QStringLiteral("TabSheet2"))->parentWidget(), "006"},
        {abaManutencao, "006"},
        {ConteudoAba(QStringLiteral("TabSheet5"))->parentWidget(), "033"},
        {abaPrimeira, "033"},
        {FIncExcInd.get(), "007"},
        {FIncExcCol.get(), "008"},
        {FPesqSv.get(), "009"},
        {abaEscalar->Janelas().FRetiraAlguem.get(), "011"},
        {abaEscalar->Janelas().FRetiraAlguem->Retirada(), "010"},
        {abaEscalar->Janelas().FRetiraAlguem->Forcada(), "036"},
        {FSemExped.get(), "017"},
        {FIncExcAltSv.get(), "018"},
        {abaEscalar->Impressao(), "025"},
        {abaEscalar->Janelas().FQuantMilSvDia.get(), "027"},
        {abaEscalar->Janelas().FEscVm.get(), "038"},
        {abaEscalar->Janelas().FEscVmEsp.get(), "038"},
        {FQuadroEscalas.get(), "012"},
        {FRegistroAlteracoes.get(), "002"},
        {FSaiEscTemp.get(), "014"},
        {FQuadroSv.get(), "015"},
        {FListaNumNomes.get(), "016"},
        {FModelosPstGrd.get(), "020"},
        {FCorrigePstGrd.get(), "021"},
        {FCarOrdAntig.get(), "028"},
        {FInicReinicSist.get(), "029"},
        {FEditaTabelasPrimEscala.get(), "034"},
        {FEditaTabelas.get(), "013"},
        {FVoltaParaEsc.get(), "037"},
        {FPreencheCapa.get(), "019"},
        {FPreencheCapa->EscolherFoto(), "031"},
        {FPreencheCapa->AlterarFoto(), "032"},
        {FAlteraCores.get(), "026"},
        {FBackup.get(), "022"},
        {FBackup->CopiaSeg(), "024"},
    };
    for (const auto& [tela, codigo] : telas)
        FManual->Liga(tela, QLatin1String(codigo));
    connect(FEditaTabelas.get(), &TFEditaTabelas::ManualPedido, this,
            [this](const QString& codigo) { FManual->Abre(codigo, FEditaTabelas.get()); });
}

QWidget* TFPrincipal::ConteudoAba(const QString& aba) const {
    return conteudos.value(aba);
}

void TFPrincipal::PassosIniciais(Inicio& inicio) {
    Tenta(sis.dialogos, [&] {
        const QPixmap bandeira = CarregaFigura(sis, QStringLiteral("Bandeira.bmp"));
        for (QLabel* figura : bandeiras)
            figura->setPixmap(bandeira);
        paginas->setCurrentIndex(0);
        inicio.PassosIniciais(sis);
        Manual::AvisoDeEntrada(sis);
        label20->setText(sis.NiveisCapa.Organizacao());
        label16->setText(sis.NiveisCapa.Unidade());
        label24->setText(sis.NiveisCapa.Lema());
        if (sis.NiveisCapa.Lema() == QStringLiteral("Segurança em Nossas Fronteiras"))
            label25->setText(QStringLiteral("A Garantia da Paz no Brasil"));
    });
}

void TFPrincipal::Atualiza() {
    Tenta(sis.dialogos, [&] { AtualizaPrincipal(sis, this); });
    emit Atualizado();
}

void TFPrincipal::AbreTela(QDialog* tela) {
    tela->exec();
    Atualiza();
}

void TFPrincipal::AplicaCores() {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    emit CoresAplicadas();
}

void TFPrincipal::MostraCapa() {
    label20->setText(sis.NiveisCapa.Organizacao());
    label16->setText(sis.NiveisCapa.Unidade());
    label24->setText(sis.NiveisCapa.Lema());
    const QString foto = sis.NiveisCapa.FotoCapa();
    if (!foto.isEmpty())
        image1->setPixmap(CarregaFigura(sis, foto));
}

void TFPrincipal::EscondeEscalar() {
    abaEscalar->Sincroniza();
}

void TFPrincipal::MostraUltimaEscala(Data dia) {
    emit UltimaEscalaMudou(dia);
}
