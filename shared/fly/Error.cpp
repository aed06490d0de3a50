#include "fly/Error.h"

#include <iostream>

void CGeneralError::Print() const {
    std::cerr << "\nProgram reached an exception: " << message << '\n';
}
