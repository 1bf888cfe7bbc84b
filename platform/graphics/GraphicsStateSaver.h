#pragma once

#include "platform/graphics/CGContext.h"

// Saves the graphics state for the lifetime of the object: every save meets its restore.
class GraphicsStateSaver {
  public:
    explicit GraphicsStateSaver(CGContextRef context) : context_(std::move(context)) {
        CGContextSaveGState(context_);
    }
    ~GraphicsStateSaver() { CGContextRestoreGState(context_); }
    GraphicsStateSaver(const GraphicsStateSaver&) = delete;
    GraphicsStateSaver& operator=(const GraphicsStateSaver&) = delete;

  private:
    CGContextRef context_;
};
