// The engine's stand-ins for the services of the operating platform.
//   plataforma/Erros.h        Exception, EInOutError, EConvertError, EMathError, EZeroDivide,
//                             EInvalidOp, EOverflow; Divide, RaizQuadrada, VerificaFinito, Round
//   plataforma/TextoNumero.h  DecimalSeparator, StrToFloat, StrToInt, FloatToStr, FormatG,
//                             AppendFixo, FloatToStrExato; Apara, Campos
//   plataforma/Arquivos.h     PastaPadrao, TLeitorTexto, TArquivoSeguro, TTravaPasta,
//                             EscreveArquivo
//   plataforma/Mensagens.h    IMensagens, TTipoMensagem, MostraMensagem, ShowMessage
//   plataforma/Canvas.h       TCanvas, TColor, TCaneta, TPincel, TFonte, TPonto
#pragma once

#include "plataforma/Arquivos.h"
#include "plataforma/Canvas.h"
#include "plataforma/Erros.h"
#include "plataforma/Mensagens.h"
#include "plataforma/TextoNumero.h"
