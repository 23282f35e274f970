#include "reports/TFPesqSv.h"

#include "base/ConsultaF1Qt.h"
#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "reports/TFEscolherSv.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
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
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The result grid: a plain click moves the current row and clears the
// selection; Ctrl+click adds or removes a whole row.
class GradeResultado : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& indice,
                                                         const QEvent* evento) const override {
        const auto* mouse = dynamic_cast<const QMouseEvent*>(evento);
        if (mouse && mouse->type() == QEvent::MouseButtonPress) {
            if (mouse->modifiers() & Qt::ControlModifier)
                return QItemSelectionModel::Toggle | QItemSelectionModel::Rows;
            return QItemSelectionModel::Clear;
        }
        (void)indice;
        return QItemSelectionModel::NoUpdate;
    }
};

} // namespace

TFPesqSv::TFPesqSv(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FPesqSv"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Pesquisa de Serviços"));
    escolha = new TFEscolherSv(s, this);

    auto* layout = new QVBoxLayout(this);
    auto* titulo =
        Nomeado(new QLabel(QStringLiteral("Consultas a Histórico de Serviços"), this), "Label5");
    QFont fonteTitulo = titulo->font();
    fonteTitulo.setPointSize(fonteTitulo.pointSize() + 4);
    fonteTitulo.setBold(true);
    titulo->setFont(fonteTitulo);
    layout->addWidget(titulo, 0, Qt::AlignHCenter);

    auto* campos = new QGridLayout;
    edit1 = Nomeado(new QLineEdit(this), "Edit1");
    edit2 = Nomeado(new QLineEdit(this), "Edit2");
    edit3 = Nomeado(new QLineEdit(this), "Edit3");
    for (QLineEdit* e : {edit1, edit2}) {
        e->setToolTip(QStringLiteral("dd/mm/aaaa"));
        e->setMaximumWidth(110);
        e->installEventFilter(this);
    }
    edit3->setMaximumWidth(110);
    campos->addWidget(Nomeado(new QLabel(QStringLiteral("Data Início"), this), "Label1"), 0, 0);
    campos->addWidget(edit1, 1, 0);
    campos->addWidget(Nomeado(new QLabel(QStringLiteral("Data Fim"), this), "Label2"), 0, 1);
    campos->addWidget(edit2, 1, 1);
    campos->addWidget(Nomeado(new QLabel(QStringLiteral("Número "), this), "Label3"), 0, 2);
    campos->addWidget(edit3, 1, 2);
    campos->addWidget(Nomeado(new QLabel(QStringLiteral("Escala"), this), "Label4"), 0, 3);
    auto* grupo = Nomeado(new QGroupBox(this), "RadioGroup1");
    auto* radios = new QHBoxLayout(grupo);
    radios->setContentsMargins(6, 2, 6, 2);
    radioButton1 = Nomeado(new QRadioButton(QStringLiteral("Pt"), grupo), "RadioButton1");
    radioButton2 = Nomeado(new QRadioButton(QStringLiteral("Vm"), grupo), "RadioButton2");
    radioButton3 = Nomeado(new QRadioButton(QStringLiteral("Ambas"), grupo), "RadioButton3");
    radioButton3->setChecked(true);
    for (QRadioButton* r : {radioButton1, radioButton2, radioButton3})
        radios->addWidget(r);
    campos->addWidget(grupo, 1, 3);
    auto* servicos = Botao(this, "Button3", QStringLiteral("Serviços?"));
    auto* pesquisar = Botao(this, "Button2", QStringLiteral("Pesquisar"));
    campos->addWidget(servicos, 1, 4);
    campos->addWidget(pesquisar, 1, 5);
    campos->setColumnStretch(6, 1);
    layout->addLayout(campos);

    dBGPesqSv = Nomeado(new GradeResultado(this), "DBGPesqSv");
    dBGPesqSv->setColumnCount(5);
    dBGPesqSv->setHorizontalHeaderLabels({QStringLiteral("Dia"), QStringLiteral("PtVm"),
                                          QStringLiteral("Descr"), QStringLiteral("Num"),
                                          QStringLiteral("CodSv")});
    dBGPesqSv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dBGPesqSv->setSelectionBehavior(QAbstractItemView::SelectRows);
    dBGPesqSv->setSelectionMode(QAbstractItemView::MultiSelection);
    dBGPesqSv->verticalHeader()->hide();
    dBGPesqSv->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox1 = Nomeado(new QScrollArea(this), "ScrollBox1");
    scrollBox1->setWidgetResizable(true);
    scrollBox1->setWidget(dBGPesqSv);
    layout->addWidget(scrollBox1, 1);

    auto* rodape = new QHBoxLayout;
    auto* navegador = Nomeado(new QWidget(this), "DBNavigator1");
    auto* botoesNavegador = new QHBoxLayout(navegador);
    botoesNavegador->setContentsMargins(0, 0, 0, 0);
    botoesNavegador->setSpacing(0);
    const struct {
        const char* nome;
        const char* texto;
        const char* dica;
    } navegacao[] = {{"Primeiro", "|<", "Primeiro"},
                     {"Anterior", "<", "Anterior"},
                     {"Proximo", ">", "Próximo"},
                     {"Ultimo", ">|", "Último"}};
    for (int i = 0; i < 4; ++i) {
        auto* b = Nomeado(new QToolButton(navegador), navegacao[i].nome);
        b->setText(QString::fromLatin1(navegacao[i].texto));
        b->setToolTip(QString::fromUtf8(navegacao[i].dica));
        b->setMinimumWidth(32);
        botoesNavegador->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, i] {
            const int ultima = dBGPesqSv->rowCount() - 1;
            const int atual = qMax(dBGPesqSv->currentRow(), 0);
            const int destino[] = {0, qMax(atual - 1, 0), qMin(atual + 1, ultima), ultima};
            Navega(destino[i]);
        });
    }
    rodape->addWidget(navegador);
    rodape->addStretch();
    auto* imprimir = Botao(this, "BImprimir", QStringLiteral("Imprimir"));
    auto* sair = Botao(this, "BSair", QStringLiteral("Sair"));
    rodape->addWidget(imprimir);
    rodape->addWidget(sair);
    layout->addLayout(rodape);
    resize(760, 520);

    connect(servicos, &QPushButton::clicked, this, &TFPesqSv::EscolheServicos);
    connect(pesquisar, &QPushButton::clicked, this, &TFPesqSv::Pesquisar);
    connect(imprimir, &QPushButton::clicked, this, &TFPesqSv::Imprimir);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
    connect(edit3, &QLineEdit::textEdited, this, [this](const QString& t) { estado.Edit3 = t; });
    setTabOrder(edit1, edit2);
    setTabOrder(edit2, edit3);
    setTabOrder(edit3, radioButton1);
    setTabOrder(radioButton1, servicos);
    setTabOrder(servicos, pesquisar);
    setTabOrder(pesquisar, dBGPesqSv);
    setTabOrder(dBGPesqSv, imprimir);
    setTabOrder(imprimir, sair);
}

void TFPesqSv::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    PintaFundo(dBGPesqSv, CorDoSlot(sis.SlotsCores, 3));
    Tenta(sis.dialogos, [&] { AtivaPesquisa(sis, estado); });
    MostraCampos();
    MostraResultado();
    edit1->setFocus();
}

bool TFPesqSv::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == edit2 && evento->type() == QEvent::MouseButtonPress) {
        estado.Edit1 = edit1->text();
        EntraDataFim(estado);
        edit2->setText(estado.Edit2);
    } else if ((objeto == edit1 || objeto == edit2) && evento->type() == QEvent::FocusOut) {
        // Another window taking the focus does not leave the field.
        const Qt::FocusReason razao = static_cast<QFocusEvent*>(evento)->reason();
        if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason)
            SaiDoCampoData(objeto == edit1);
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFPesqSv::SaiDoCampoData(bool inicio) {
    if (saindoDeData)
        return;
    saindoDeData = true;
    QLineEdit* campo = inicio ? edit1 : edit2;
    (inicio ? estado.Edit1 : estado.Edit2) = campo->text();
    ::SaiData(sis, estado, inicio);
    campo->setText(inicio ? estado.Edit1 : estado.Edit2);
    saindoDeData = false;
}

void TFPesqSv::EscolheServicos() {
    if (!Tenta(sis.dialogos, [&] { PreparaEscolhaServicos(sis); }))
        return;
    escolha->exec();
    ServicosEscolhidos(sis, estado);
}

void TFPesqSv::Pesquisar() {
    VoltaParaEsquerda();
    // A date typed and not yet left counts as left.
    if (edit1->text() != estado.Edit1)
        SaiDoCampoData(true);
    if (edit2->text() != estado.Edit2)
        SaiDoCampoData(false);
    estado.Edit3 = edit3->text();
    estado.Escala = radioButton1->isChecked()   ? QStringLiteral("Pt")
                    : radioButton2->isChecked() ? QStringLiteral("Vm")
                                                : QString();
    if (Tenta(sis.dialogos, [&] { ::Pesquisa(sis, estado); }))
        radioButton3->setChecked(true);
    MostraCampos();
    MostraResultado();
}

void TFPesqSv::Imprimir() {
    VoltaParaEsquerda();
    QList<int> selecionadas;
    for (const QModelIndex& i : dBGPesqSv->selectionModel()->selectedRows())
        selecionadas << i.row();
    std::sort(selecionadas.begin(), selecionadas.end());
    QFont fonte = dBGPesqSv->font();
    fonte.setPixelSize(14);
    dBGPesqSv->setFont(fonte);
    Tenta(sis.dialogos, [&] { ImprimePesquisa(sis, estado, selecionadas); });
}

void TFPesqSv::Navega(int linha) {
    if (linha >= 0 && linha < dBGPesqSv->rowCount())
        dBGPesqSv->setCurrentCell(linha, qMax(dBGPesqSv->currentColumn(), 0),
                                  QItemSelectionModel::NoUpdate);
    VoltaParaEsquerda();
}

void TFPesqSv::MostraCampos() {
    edit1->setText(estado.Edit1);
    edit2->setText(estado.Edit2);
    edit3->setText(estado.Edit3);
}

void TFPesqSv::MostraResultado() {
    const QList<LinhaHist>& linhas = estado.Resultado;
    dBGPesqSv->clearContents();
    dBGPesqSv->setRowCount(int(linhas.size()));
    for (int i = 0; i < linhas.size(); ++i) {
        const LinhaHist& h = linhas[i];
        const QString celulas[] = {h.Dia.Texto(), h.PtVm, h.Descr, h.Num, QString::number(h.CodSv)};
        for (int c = 0; c < 5; ++c)
            dBGPesqSv->setItem(i, c, new QTableWidgetItem(celulas[c]));
    }
    dBGPesqSv->resizeColumnsToContents();
    int largura = 2 * dBGPesqSv->frameWidth();
    for (int c = 0; c < 5; ++c) {
        dBGPesqSv->setColumnWidth(c, qMax(dBGPesqSv->columnWidth(c), 60));
        largura += dBGPesqSv->columnWidth(c);
    }
    dBGPesqSv->setMinimumWidth(largura + dBGPesqSv->verticalScrollBar()->sizeHint().width());
    if (!linhas.isEmpty())
        dBGPesqSv->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
}

void TFPesqSv::VoltaParaEsquerda() {
    scrollBox1->horizontalScrollBar()->setValue(0);
}

void TFPesqSv::done(int resultado) {
    estado.Resultado.clear();
    dBGPesqSv->clearContents();
    dBGPesqSv->setRowCount(0);
    VoltaParaEsquerda();
    QDialog::done(resultado);
}
