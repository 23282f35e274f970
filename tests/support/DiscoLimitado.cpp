#include "support/DiscoLimitado.h"

#include "model/Sistema.h"

#include <QSaveFile>

#include <cerrno>

namespace {

class ArquivoLimitado : public QSaveFile {
public:
    ArquivoLimitado(const QString& caminho, DiscoLimitado& d) : QSaveFile(caminho), disco(d) {}

protected:
    qint64 writeData(const char* dados, qint64 tamanho) override {
        if (tamanho <= disco.livres) {
            disco.livres -= tamanho;
            return QSaveFile::writeData(dados, tamanho);
        }
        if (disco.livres > 0)
            QSaveFile::writeData(dados, disco.livres);
        disco.livres = 0;
        ++disco.falhas;
        setErrorString(qt_error_string(ENOSPC));
        return -1;
    }

private:
    DiscoLimitado& disco;
};

} // namespace

ArquivoTexto::AbreGravacao DiscoLimitado::Abre() {
    return [this](const QString& caminho) -> std::unique_ptr<QSaveFile> {
        return std::make_unique<ArquivoLimitado>(caminho, *this);
    };
}

void DiscoLimitado::Instala(Sistema& s) {
    s.dm.AbreArquivo = Abre();
    s.pasta.AbreArquivo = Abre();
}
