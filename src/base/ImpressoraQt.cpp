#include "base/ImpressoraQt.h"

#include "base/Dialogos.h"
#include "base/Falha.h"

#include <QDateTime>
#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

ImpressoraQt::ImpressoraQt(QString pasta, Dialogos& d)
    : pastaPdf(std::move(pasta)), dialogos(d), fonte(QStringLiteral("Arial")) {}

ImpressoraQt::~ImpressoraQt() {
    if (pintor && pintor->isActive())
        pintor->end();
}

void ImpressoraQt::Prepara() {
    if (impressora)
        return;
    const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
    if (!padrao.isNull()) {
        impressora = std::make_unique<QPrinter>(padrao, QPrinter::HighResolution);
        emArquivo = false;
    } else {
        impressora = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        impressora->setOutputFormat(QPrinter::PdfFormat);
        impressora->setResolution(600);
        impressora->setPageSize(QPageSize(QPageSize::A4));
        emArquivo = true;
    }
    impressora->setFullPage(false);
}

int ImpressoraQt::LarguraPagina() const {
    const_cast<ImpressoraQt*>(this)->Prepara();
    return impressora->pageLayout().paintRectPixels(impressora->resolution()).width();
}

int ImpressoraQt::AlturaPagina() const {
    const_cast<ImpressoraQt*>(this)->Prepara();
    return impressora->pageLayout().paintRectPixels(impressora->resolution()).height();
}

void ImpressoraQt::DefineOrientacao(Orientacao orientacao) {
    Prepara();
    impressora->setPageOrientation(orientacao == Orientacao::Paisagem ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

Impressora::Orientacao ImpressoraQt::OrientacaoAtual() const {
    const_cast<ImpressoraQt*>(this)->Prepara();
    return impressora->pageLayout().orientation() == QPageLayout::Landscape ? Orientacao::Paisagem
                                                                            : Orientacao::Retrato;
}

void ImpressoraQt::IniciaDocumento() {
    Prepara();
    if (emArquivo) {
        if (!QDir().mkpath(pastaPdf))
            throw Falha(QStringLiteral("Não foi possível criar a pasta %1 para a impressão.")
                            .arg(QDir::toNativeSeparators(pastaPdf)));
        QString nome =
            QStringLiteral("Impressao-%1.pdf")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
        for (int n = 2; QFile::exists(QDir(pastaPdf).filePath(nome)); ++n)
            nome =
                QStringLiteral("Impressao-%1-%2.pdf")
                    .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")))
                    .arg(n);
        ultimoPdf = QDir(pastaPdf).filePath(nome);
        impressora->setOutputFileName(ultimoPdf);
    }
    pintor = std::make_unique<QPainter>();
    if (!pintor->begin(impressora.get())) {
        pintor.reset();
        throw Falha(emArquivo ? QStringLiteral("Não foi possível gravar a impressão em %1.")
                                    .arg(QDir::toNativeSeparators(ultimoPdf))
                              : QStringLiteral("Não foi possível iniciar a impressão na "
                                               "impressora %1.")
                                    .arg(impressora->printerName()));
    }
    pintor->setFont(fonte);
}

void ImpressoraQt::NovaPagina() {
    if (pintor && !impressora->newPage())
        throw Falha(QStringLiteral("A impressora recusou uma nova página."));
}

void ImpressoraQt::FimDocumento() {
    if (!pintor)
        return;
    const bool feito = pintor->end();
    pintor.reset();
    if (!feito)
        throw Falha(QStringLiteral("A impressão não pôde ser concluída."));
    if (emArquivo) {
        if (!QFile::exists(ultimoPdf) || QFileInfo(ultimoPdf).size() == 0)
            throw Falha(QStringLiteral("Não foi possível gravar a impressão em %1 (disco cheio?).")
                            .arg(QDir::toNativeSeparators(ultimoPdf)));
        dialogos.Aviso(QStringLiteral("Não há impressora instalada. A impressão foi gravada em\n%1")
                           .arg(QDir::toNativeSeparators(ultimoPdf)));
    }
}

void ImpressoraQt::Fonte(const QString& nome, int altura) {
    fonte = QFont(nome);
    fonte.setPixelSize(std::max(1, altura));
    if (pintor)
        pintor->setFont(fonte);
}

void ImpressoraQt::Texto(int x, int y, const QString& texto) {
    if (!pintor)
        return;
    pintor->drawText(x, y + QFontMetrics(fonte, impressora.get()).ascent(), texto);
}

void ImpressoraQt::ImprimeLinhas(const QStringList& linhas) {
    IniciaDocumento();
    Fonte(QStringLiteral("Courier New"), std::max(1, LarguraPagina() / 60));
    const QFontMetrics medida(fonte, impressora.get());
    const int passo = medida.lineSpacing();
    const int altura = AlturaPagina();
    int y = 0;
    for (const QString& linha : linhas) {
        if (y + passo > altura) {
            NovaPagina();
            y = 0;
        }
        Texto(0, y, linha);
        y += passo;
    }
    FimDocumento();
}
