#include "reports/TFQuadroSv.h"

#include "base/ConsultaF1Qt.h"
#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "reports/PesquisaServicos.h"
#include "reports/TFEscolherSv.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

QLabel* Titulo(QWidget* pai, const char* nome, const QString& texto, int aumento) {
    auto* l = Nomeado(new QLabel(texto, pai), nome);
    QFont f = l->font();
    f.setPointSize(f.pointSize() + aumento);
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

GradeQuadro::GradeQuadro(const QString& nome, QWidget* pai) : QTableWidget(pai) {
    setObjectName(nome);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The person numbers of column 0 stand in the row headings, which stay in
    // view while the duty columns scroll.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    titulo = new QLabel(horizontalHeader()->viewport());
    titulo->setObjectName(nome + QStringLiteral("Titulo"));
    QFont f = titulo->font();
    f.setBold(true);
    titulo->setFont(f);
    titulo->setAutoFillBackground(true);
    QPalette p = titulo->palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    titulo->setPalette(p);
    titulo->setFrameShape(QFrame::Box);
    titulo->setMargin(1);
    titulo->hide();
    connect(this, &QTableWidget::cellClicked, this, [this](int, int coluna) {
        SobrepoeTitulo(coluna);
        emit CelulaClicada();
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, titulo, &QLabel::hide);
}

void GradeQuadro::Mostra(const Quadro& quadro) {
    titulo->hide();
    titulos = quadro.Cabecalho;
    clear();
    setColumnCount(quadro.Colunas());
    setRowCount(int(quadro.Linhas.size()));
    setHorizontalHeaderLabels(titulos);
    QStringList numeros;
    for (const Quadro::Linha& l : quadro.Linhas)
        numeros << l.Cel[0];
    setVerticalHeaderLabels(numeros);
    for (int r = 0; r < rowCount(); ++r) {
        const QStringList& cel = quadro.Linhas[static_cast<size_t>(r)].Cel;
        for (int c = 0; c < cel.size(); ++c) {
            auto* item = new QTableWidgetItem(cel[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            setItem(r, c, item);
        }
    }
    // The narrowest column still shows a number of four digits.
    const int minima = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8;
    resizeColumnsToContents();
    // A column without heading (before "SOMA") stays narrow.
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, titulos[c].isEmpty() ? minima / 3 : qMax(columnWidth(c), minima));
    if (columnCount() > 0)
        setColumnHidden(0, true);
    verticalHeader()->setMinimumWidth(minima);
    if (rowCount() > 0)
        scrollToTop();
}

QString GradeQuadro::TituloSobreposto() const {
    return titulo->isVisible() ? titulo->text() : QString();
}

void GradeQuadro::SobrepoeTitulo(int coluna) {
    const QString texto = titulos.value(coluna);
    if (texto.isEmpty()) {
        titulo->hide();
        return;
    }
    titulo->setText(texto);
    titulo->adjustSize();
    titulo->resize(titulo->width(), horizontalHeader()->height());
    titulo->move(columnViewportPosition(coluna), 0);
    titulo->show();
    titulo->raise();
}

TFQuadroSv::TFQuadroSv(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FQuadroSv"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Quadro dos Serviços"));
    escolha = new TFEscolherSv(s, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Titulo(this, "Label1", QStringLiteral("Serviços por Militar"), 4), 0,
                      Qt::AlignHCenter);
    layout->addWidget(Titulo(this, "Label7", QStringLiteral("(Quadro Resumo)"), 1), 0,
                      Qt::AlignHCenter);

    auto* campos = new QHBoxLayout;
    edit1 = Nomeado(new QLineEdit(this), "Edit1");
    edit2 = Nomeado(new QLineEdit(this), "Edit2");
    for (QLineEdit* e : {edit1, edit2}) {
        e->setMaximumWidth(100);
        e->installEventFilter(this);
    }
    campos->addWidget(Nomeado(new QLabel(QStringLiteral("Período"), this), "Label3"));
    campos->addWidget(Nomeado(new QLabel(QStringLiteral("De:"), this), "Label2"));
    campos->addWidget(edit1);
    campos->addWidget(Nomeado(new QLabel(QStringLiteral("Até:"), this), "Label4"));
    campos->addWidget(edit2);
    campos->addSpacing(16);
    campos->addWidget(Nomeado(new QLabel(QStringLiteral("Escala"), this), "Label9"));
    auto* grupo = Nomeado(new QGroupBox(this), "RadioGroup1");
    auto* radios = new QHBoxLayout(grupo);
    radios->setContentsMargins(6, 2, 6, 2);
    radioButton1 = Nomeado(new QRadioButton(QStringLiteral("Preta"), grupo), "RadioButton1");
    radioButton2 = Nomeado(new QRadioButton(QStringLiteral("Vermelha"), grupo), "RadioButton2");
    radioButton3 = Nomeado(new QRadioButton(QStringLiteral("Ambas"), grupo), "RadioButton3");
    radioButton3->setChecked(true);
    for (QRadioButton* r : {radioButton1, radioButton2, radioButton3}) {
        radios->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this] {
            estado.ExecutarHabilitado = true;
            bExecutar->setEnabled(true);
        });
    }
    campos->addWidget(grupo);
    bExecutar = Botao(this, "BExecutar", QStringLiteral("Pesquisar"));
    campos->addWidget(bExecutar);
    campos->addStretch();
    layout->addLayout(campos);

    auto* separar = new QHBoxLayout;
    separar->addWidget(Nomeado(new QLabel(QStringLiteral("Separar por"), this), "Label6"));
    auto* panel1 = Nomeado(new QFrame(this), "Panel1");
    panel1->setFrameShape(QFrame::StyledPanel);
    panel1->setFrameShadow(QFrame::Raised);
    auto* noPainel = new QHBoxLayout(panel1);
    noPainel->setContentsMargins(8, 3, 8, 3);
    auto* label5 = Nomeado(new QLabel(QStringLiteral("Número, Nome ou Posto"), panel1), "Label5");
    noPainel->addWidget(label5);
    // The panel is a button: a click on it or its caption opens the lookup.
    panel1->setProperty("clicavel", true);
    panel1->setCursor(Qt::PointingHandCursor);
    painelMilitares = panel1;
    for (QWidget* w : {static_cast<QWidget*>(panel1), static_cast<QWidget*>(label5)})
        w->installEventFilter(this);
    separar->addWidget(panel1);
    auto* servicos = Botao(this, "Button6", QStringLiteral("Serviços"));
    auto* voltar = Botao(this, "Button4", QStringLiteral("Voltar Pesquisa"));
    separar->addWidget(servicos);
    separar->addSpacing(16);
    separar->addWidget(voltar);
    separar->addStretch();
    layout->addLayout(separar);

    scrollBox1 = Nomeado(new QScrollArea(this), "ScrollBox1");
    scrollBox1->setWidgetResizable(true);
    scrollBox1->setFocusPolicy(Qt::NoFocus); // the grids take the focus
    auto* conteudo = new QWidget(scrollBox1);
    // One grid at a time: the full board or the narrowed one.
    auto* grades = new QStackedLayout(conteudo);
    grades->setContentsMargins(0, 0, 0, 0);
    sGQuadroSv = new GradeQuadro(QStringLiteral("SGQuadroSv"), conteudo);
    sGQuadroSvAux = new GradeQuadro(QStringLiteral("SGQuadroSvAux"), conteudo);
    grades->addWidget(sGQuadroSv);
    grades->addWidget(sGQuadroSvAux);
    scrollBox1->setWidget(conteudo);
    layout->addWidget(scrollBox1, 1);
    for (GradeQuadro* g : {sGQuadroSv, sGQuadroSvAux})
        connect(g, &GradeQuadro::CelulaClicada, this,
                [this] { scrollBox1->verticalScrollBar()->setValue(0); });

    auto* rodape = new QHBoxLayout;
    rodape->addStretch();
    auto* imprimir = Botao(this, "Button2", QStringLiteral("Imprimir"));
    auto* sair = Botao(this, "Button3", QStringLiteral("Sair"));
    rodape->addWidget(imprimir);
    rodape->addWidget(sair);
    layout->addLayout(rodape);
    resize(900, 600);

    connect(edit1, &QLineEdit::textEdited, edit2, &QLineEdit::setText);
    connect(bExecutar, &QPushButton::clicked, this, &TFQuadroSv::Pesquisar);
    connect(servicos, &QPushButton::clicked, this, &TFQuadroSv::EscolheServicos);
    connect(voltar, &QPushButton::clicked, this, &TFQuadroSv::Voltar);
    connect(imprimir, &QPushButton::clicked, this, &TFQuadroSv::Imprimir);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
    setTabOrder(edit1, edit2);
    setTabOrder(edit2, radioButton1);
    setTabOrder(radioButton1, radioButton2);
    setTabOrder(radioButton2, radioButton3);
    setTabOrder(radioButton3, bExecutar);
    setTabOrder(bExecutar, servicos);
    setTabOrder(servicos, voltar);
    setTabOrder(voltar, sGQuadroSv);
    setTabOrder(sGQuadroSv, sGQuadroSvAux);
    setTabOrder(sGQuadroSvAux, imprimir);
    setTabOrder(imprimir, sair);
}

void TFQuadroSv::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    for (GradeQuadro* g : {sGQuadroSv, sGQuadroSvAux})
        PintaFundo(g, CorDoSlot(sis.SlotsCores, 3));
    AtivaQuadroServicos(sis, estado);
    edit1->setText(estado.Edit1);
    edit2->setText(estado.Edit2);
    Mostra();
    edit1->setFocus();
}

bool TFQuadroSv::eventFilter(QObject* objeto, QEvent* evento) {
    if ((objeto == painelMilitares || objeto->parent() == painelMilitares) &&
        evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        if (consulta)
            SeparaPorMilitares(consulta(this));
        return true;
    }
    if ((objeto == edit1 || objeto == edit2) && evento->type() == QEvent::FocusIn) {
        // Clicked or reached by Tab; not the window coming back.
        const Qt::FocusReason razao = static_cast<QFocusEvent*>(evento)->reason();
        if (razao == Qt::MouseFocusReason || razao == Qt::TabFocusReason ||
            razao == Qt::BacktabFocusReason) {
            estado.ExecutarHabilitado = true;
            bExecutar->setEnabled(true);
        }
    } else if ((objeto == edit1 || objeto == edit2) && evento->type() == QEvent::MouseButtonPress) {
        estado.ExecutarHabilitado = true;
        bExecutar->setEnabled(true);
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFQuadroSv::Pesquisar() {
    estado.Edit1 = edit1->text();
    estado.Edit2 = edit2->text();
    estado.Escala = radioButton1->isChecked()   ? QStringLiteral("Pt")
                    : radioButton2->isChecked() ? QStringLiteral("Vm")
                                                : QString();
    Tenta(sis.dialogos, [&] { ContaServicos(sis, estado); });
    Mostra();
}

void TFQuadroSv::DefineConsulta(std::function<QStringList(QWidget*)> c) {
    consulta = std::move(c);
}

void TFQuadroSv::SeparaPorMilitares(const QStringList& numeros) {
    ::SeparaPorMilitares(estado, numeros);
    Mostra();
}

void TFQuadroSv::EscolheServicos() {
    if (!Tenta(sis.dialogos, [&] { PreparaEscolhaServicos(sis); }))
        return;
    escolha->exec();
    ::SeparaPorServicos(sis, estado);
    Mostra();
}

void TFQuadroSv::Voltar() {
    ::VoltaPesquisa(estado);
    Mostra();
}

void TFQuadroSv::Imprimir() {
    Tenta(sis.dialogos, [&] { ImprimeQuadro(sis.impressora, estado.Visivel()); });
}

void TFQuadroSv::Mostra() {
    GradeQuadro* grade = estado.AuxVisivel ? sGQuadroSvAux : sGQuadroSv;
    grade->Mostra(estado.Visivel());
    static_cast<QStackedLayout*>(grade->parentWidget()->layout())->setCurrentWidget(grade);
    bExecutar->setEnabled(estado.ExecutarHabilitado);
}
