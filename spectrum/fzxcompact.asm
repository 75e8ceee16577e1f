; Quorrel's compact FZX print routine for the ZX Spectrum: less than half the
; size of fzxprint.asm, for programs short of memory. It sets the same screen as fzxprint.asm (and
; `quorrel-cli render --wrap`): each character Kern pixels over the end of the
; one before but never left of the line's left edge, the font's tracking after
; it, the font's height from one line to the next. A character that would pass
; the right edge of the screen starts a new line at the left edge, code 13 does
; the same, and a code below 32 or above the font's last character ends the
; text. Ink is ORed into the screen bitmap; attributes are left alone.
;
; Entry fzx_print:
;   HL = text, DE = font (the bytes of an FZX file),
;   B = top of the first line (0..191), C = its left edge (0..255).
; Changes AF, BC, DE and HL only; uses no ROM routine. Its variables live in
; its own instructions, so it must run from RAM. Assembles with pasmo and
; z80asm; put an ORG in front.

fzx_print:
        ld      (fc_text+1),hl
        ld      a,c
        ld      (fc_x0+1),a
        ex      de,hl
        ld      a,(hl)
        or      a
        ret     z               ; a font of no height shows nothing
        ld      (fc_h+1),a
        ld      (fc_body+1),a
        inc     hl
        ld      a,(hl)
        ld      (fc_tr+1),a
        inc     hl
        ld      a,(hl)
        sub     31
        ld      (fc_last+1),a
        inc     hl
        ld      (fc_base+1),hl
        ld      a,b
        or      a
        call    fc_line
        ret     c

fc_next:
fc_text: ld     hl,0            ; the next code
        ld      a,(hl)
        inc     hl
        ld      (fc_text+1),hl
        cp      13
        jr      nz,fc_char
        call    fc_feed
        jr      nc,fc_next
        ret
fc_char:
        sub     32
        ret     c               ; a control code ends the text,
fc_last: cp     0
        ret     nc              ; and so does a code the font lacks
        ld      l,a
        ld      h,0
        ld      e,l
        ld      d,h
        add     hl,hl
        add     hl,de
fc_base: ld     de,0
        add     hl,de           ; HL = table entry: offset and kern, info
        call    fc_addr         ; DE = definition
        xor     (hl)
        rlca
        rlca
        ld      (fc_kern+1),a
        inc     hl
        ld      c,(hl)          ; C = leading * 16 + width - 1
        inc     hl
        push    de
        call    fc_addr         ; DE = the next definition
        pop     hl
        ex      de,hl
        push    de
        sbc     hl,de           ; HL = length of the definition
        bit     3,c
        jr      z,fc_rows
        srl     h               ; two bytes a row
        rr      l
fc_rows:
        ld      a,c
        rrca
        rrca
        rrca
        rrca
        and     15
        ld      b,a             ; B = leading
        inc     h
        dec     h
        jr      z,fc_rows1
        ld      l,255           ; more rows than any body holds
fc_rows1:
fc_body: ld     a,0             ; rows below the body are not shown
        sub     b
        jr      nc,fc_rows3
        xor     a
fc_rows3:
        cp      l
        jr      c,fc_rows2
        ld      a,l
fc_rows2:
        ld      (fc_count+1),a

fc_place:
fc_p:   ld      hl,0            ; the pen, right of the left edge
fc_kern: ld     de,0
        or      a
        sbc     hl,de
        jr      nc,fc_place1
        ld      h,d             ; kern stops at the left edge
        ld      l,d
fc_place1:
        ld      a,c
        and     15
        ld      e,a             ; DE = width - 1
        push    hl
        scf
        adc     hl,de
fc_tr:  ld      e,0
        add     hl,de
        ld      (fc_p+1),hl     ; where the next character goes
        pop     hl
fc_x0:  ld      de,0
        add     hl,de           ; HL = left column of the character's pixels
        ld      e,a
        push    hl
        add     hl,de
        dec     h
        jp      m,fc_fits       ; its right column is on the screen
fc_any: ld      a,0
        or      a
        jr      z,fc_cut        ; a line's first character never wraps
        pop     hl
        call    fc_feed
        jr      nc,fc_place
        pop     hl
        ret
fc_cut:
        ld      a,e             ; only 256 - left columns show
        sub     l
        dec     a
        ld      e,a
fc_fits:
        pop     hl
        ld      a,l
        and     7
        ld      d,a
        cpl
        add     a,8
        ld      (fc_rot+1),a    ; rotations right: s = left mod 8
        ld      a,d
        push    bc
        call    fc_left
        pop     bc
        ld      (fc_k1+1),a     ; pixels that move on to the next byte
        cpl
        ld      (fc_k0+1),a     ; and those that stay (never 0)
        ld      (fc_any+1),a
        ld      a,c
        and     8
        jr      z,fc_fits1
        ld      a,0x13          ; INC DE: two bytes a row
fc_fits1:
        ld      (fc_step),a
        ld      c,e             ; C = columns to draw - 1
        ld      a,l
        rrca
        rrca
        rrca
        and     31
        ld      e,a
fc_y:   ld      a,0
        add     a,b             ; top row of the pixels
        cp      192
        jr      nc,fc_skip
        ld      l,a             ; HL = its screen address
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      e
        ld      l,a
        pop     de              ; the definition
fc_col:
        ld      a,7             ; the pixels of this byte of each row: the
        sub     c               ; byte shifted left 7 - C times, C < 8
        jr      nc,fc_col1
        xor     a
fc_col1:
        ld      b,a
        inc     b
        ld      a,0xFF
        jr      fc_col3
fc_col2:
        add     a,a
fc_col3:
        djnz    fc_col2
        ld      (fc_w+1),a
        push    hl
        push    de
        push    bc
fc_count: ld    b,0
        inc     b
        jr      fc_row2
fc_row:
        ld      a,(de)
        inc     de
fc_step: nop                    ; INC DE for two bytes a row
fc_w:   and     0
fc_rot: jr      fc_rot1         ; skips 7 - s of the rotations
fc_rot1:
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        ld      c,a
fc_k0:  and     0
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,c
fc_k1:  and     0
        or      (hl)
        ld      (hl),a
        dec     l
        inc     h               ; one pixel row down
        ld      a,h
        and     7
        jr      nz,fc_row2
        ld      a,l
        add     a,32
        ld      l,a
        ld      a,h
        jr      c,fc_row1
        sub     8
        ld      h,a
fc_row1:
        cp      0x58
        jr      z,fc_row3       ; the bottom of the screen
fc_row2:
        djnz    fc_row
fc_row3:
        pop     bc
        pop     de
        pop     hl
        inc     de
        inc     l
        ld      a,c
        sub     8
        ld      c,a
        jr      nc,fc_col
        jp      fc_next
fc_skip:
        pop     de
        jp      fc_next

; HL = a table entry -> DE = the definition it points to, HL one byte on,
; A = the offset's high byte without the kern.
fc_addr:
        ld      e,(hl)
        inc     hl
        ld      a,(hl)
        and     0x3F
        ld      d,a
        push    hl
        dec     hl
        add     hl,de
        ex      de,hl
        pop     hl
        ret

; A = n (0..8) -> A = its n leftmost bits set; B = 0.
fc_left:
        ld      b,a
        inc     b
        xor     a
        jr      fc_left2
fc_left1:
        scf
        rra
fc_left2:
        djnz    fc_left1
        ret

; New line: y grows by the height and the pen returns to the left edge.
; Carry set when the line would start at or below the bottom of the screen.
; Changes AF only.
fc_feed:
        ld      a,(fc_y+1)
fc_h:   add     a,0
fc_line:                        ; A = top of the new line, carry its overflow
        ret     c
        cp      192
        ccf
        ret     c
        ld      (fc_y+1),a
        xor     a
        ld      (fc_p+1),a
        ld      (fc_p+2),a
        ld      (fc_any+1),a
        ret
