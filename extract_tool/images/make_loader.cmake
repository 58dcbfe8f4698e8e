# Draws the busy animation: twelve frames of a ring of dots whose bright dot
# moves round, rendered with rsvg-convert and joined into a looping GIF.
#   cmake -DOUT=<dir> -DRSVG=<rsvg-convert> -DCONVERT=<convert> -P make_loader.cmake
set(_frames)
foreach(_f RANGE 0 11)
  set(_dots "")
  foreach(_d RANGE 0 11)
    math(EXPR _age "(${_f} - ${_d} + 12) % 12")
    # Opacity falls off behind the leading dot.
    math(EXPR _op "100 - ${_age} * 8")
    if(_op LESS 15)
      set(_op 15)
    endif()
    math(EXPR _angle "${_d} * 30")
    string(APPEND _dots "<circle cx=\"24\" cy=\"6\" r=\"3.6\" fill=\"#0072ff\" fill-opacity=\"0.${_op}\" transform=\"rotate(${_angle} 24 24)\"/>")
  endforeach()
  string(REPLACE "0.100" "1" _dots "${_dots}")
  file(WRITE ${OUT}/loader_${_f}.svg
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" viewBox=\"0 0 48 48\"><rect width=\"48\" height=\"48\" fill=\"#ffffff\"/>${_dots}</svg>")
  execute_process(COMMAND ${RSVG} -o ${OUT}/loader_${_f}.png ${OUT}/loader_${_f}.svg RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "rsvg-convert failed on frame ${_f}")
  endif()
  list(APPEND _frames ${OUT}/loader_${_f}.png)
endforeach()
execute_process(COMMAND ${CONVERT} -delay 8 -loop 0 ${_frames} ${OUT}/loader_r.gif RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "convert failed")
endif()
