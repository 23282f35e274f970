#pragma once

#include <QString>
#include <exception>

// A failure that stops the operation at hand; its text, in Portuguese, is shown
// to the operator by whoever started the operation.
class Falha : public std::exception {
public:
    explicit Falha(QString mensagem) : texto(std::move(mensagem)), utf8(texto.toUtf8()) {}
    const QString& Mensagem() const { return texto; }
    const char* what() const noexcept override { return utf8.constData(); }

private:
    QString texto;
    QByteArray utf8;
};

// An operation the operator asked for and the program declines (a capacity it
// would exceed, a day outside the period...): nothing was changed.
class Recusa : public Falha {
public:
    using Falha::Falha;
};
