#include "shell/TFPrincipal.h"

#include "base/CoresQt.h"
#include "base/Falha.h"
#include "base/Tenta.h"
#include "calendar/TFSemExped.h"
#include "engine/Contadores.h"
#include "engine/Escalacao.h"
#include "engine/JanelasEscalaQt.h"
#include "engine/Prioridades.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "engine/TFAbaEscalarManual.h"
#include "maintenance/TFIncExcAltSv.h"
#include "maintenance/TFIncExcInd.h"
#include "model/Sistema.h"
#include "reports/TFPesqSv.h"
#include "shell/Inicio.h"
#include "shell/TFAbaConsultas.h"
#include "shell/TFAbaManutencao.h"

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
    abaEscalar = new TFAbaEscalarAutomatico(sis, ConteudoAba(QStringLiteral("TabSheet3")), this);
    connect(abaEscalar, &TFAbaEscalarAutomatico::UltimaEscalaMudou, this,
            [this] { MostraUltimaEscala(sis.UltimaEscala); });
    abaManual = new TFAbaEscalarManual(sis, ConteudoAba(QStringLiteral("TabSheet6")),
                                       abaEscalar->Janelas());
    connect(abaManual, &TFAbaEscalarManual::UltimaEscalaMudou, this,
            [this] { MostraUltimaEscala(sis.UltimaEscala); });
    connect(paginas, &QTabWidget::currentChanged, this, [this](int) {
        if (paginas->currentWidget() == paginas->findChild<QWidget*>("TabSheet3"))
            abaEscalar->Mostrada();
    });
    abaManutencao = new TFAbaManutencao(*this);
    abaConsultas = new TFAbaConsultas(*this);
    CriaTelas();

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
    paginas->addTab(aba, titulo);
    return conteudo;
}

TFPrincipal::~TFPrincipal() = default;

void TFPrincipal::CriaTelas() {
    // Windows of their own (not children of this one), each created once.
    FSemExped = std::make_unique<TFSemExped>(sis);
    FIncExcInd = std::make_unique<TFIncExcInd>(sis);
    FIncExcAltSv = std::make_unique<TFIncExcAltSv>(sis);
    FPesqSv = std::make_unique<TFPesqSv>(sis);

    abaManutencao->DefineAcao(1, [this] { AbreTela(FIncExcAltSv.get()); });
    abaManutencao->DefineAcao(6, [this] { AbreTela(FSemExped.get()); });
    abaManutencao->DefineAcao(8, [this] {
        Tenta(sis.dialogos, [this] { DesfazerEscalacao(sis); });
        MostraUltimaEscala(sis.UltimaEscala);
    });
    abaManutencao->DefineAcao(16, [this] { AbreTela(FIncExcInd.get()); });
    abaManutencao->DefineAcao(20, [this] { EqualizaContadores(sis); });
    abaManutencao->DefineAcaoPrioridades([this] { CalculaPrioridades(sis); });
    abaConsultas->DefineAcao(1, [this] { AbreTela(FPesqSv.get()); });
}

QWidget* TFPrincipal::ConteudoAba(const QString& aba) const {
    return paginas->findChild<QWidget*>(aba + QStringLiteral("Conteudo"));
}

void TFPrincipal::PassosIniciais(Inicio& inicio) {
    Tenta(sis.dialogos, [&] {
        const QPixmap bandeira = CarregaFigura(sis, QStringLiteral("Bandeira.bmp"));
        for (const char* nome : {"Image2", "Image3", "Image4", "Image5", "Image6", "Image7"})
            paginas->findChild<QLabel*>(QLatin1String(nome))->setPixmap(bandeira);
        paginas->setCurrentIndex(0);
        inicio.PassosIniciais(sis);
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
    PintaFundo(paginas->findChild<QWidget*>(QStringLiteral("ListBox1")),
               CorDoSlot(sis.SlotsCores, 2));
    for (const char* nome :
         {"ListBox2", "ListBox3", "ListBox4", "ListBox5", "ListBox6", "SGGradeSv"})
        PintaFundo(paginas->findChild<QWidget*>(QLatin1String(nome)), CorDoSlot(sis.SlotsCores, 3));
}

void TFPrincipal::MostraCapa() {
    const QString foto = sis.NiveisCapa.FotoCapa();
    if (!foto.isEmpty())
        image1->setPixmap(CarregaFigura(sis, foto));
    label20->setText(sis.NiveisCapa.Organizacao());
}

void TFPrincipal::EscondeEscalar() {
    if (auto* b = paginas->findChild<QWidget*>(QStringLiteral("BEscalar")))
        b->hide();
}

void TFPrincipal::MostraUltimaEscala(Data dia) {
    for (const char* nome : {"LUltimaEscala", "Label53"})
        if (auto* l = paginas->findChild<QLabel*>(QLatin1String(nome)))
            l->setText(dia.Texto());
}
