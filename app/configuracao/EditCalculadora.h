// The numeric edit of the units dialog's "Calculadora" group. The kit's calculator edit takes
// its place here, in this one factory.
#pragma once

class QWidget;

QWidget *CriaEditCalculadora(QWidget *pai);
