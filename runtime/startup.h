#pragma once

class QApplication;

namespace rt {

// Everything the runtime needs once the application object exists: the
// bundled faces and pictures, one widget style on every machine, and the
// runtime deciding when the program ends.
void prepareApplication(QApplication& app);

}  // namespace rt
