#pragma once

#include <QImage>

// Every style in every state, with captions and pictures, on one labelled image.
QImage RenderContactSheet();
